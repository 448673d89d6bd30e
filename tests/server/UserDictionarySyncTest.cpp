#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ScriptedServer.h"
#include "ServerProcess.h"
#include "SettingsTestRoot.h"
#include "service/engine/CCompositionProcessorEngine.h"

namespace {

CStringRange Range(const std::u16string& s) { return {s.size(), AsWchar(s.c_str())}; }

class UserDictionarySyncTest : public ::testing::Test {
 protected:
  SettingsTestRoot root_;
  CCompositionProcessorEngine engine_;
};

TEST_F(UserDictionarySyncTest, LoadReadsLinesAndSkipsMalformedOnes) {
  ScriptedServer server(Utf16Bytes(
      u"ami:\u0986\u09AE\u09BF\ntumi:\u09A4\u09C1\u09AE\u09BF\nami:\u0986\u09AE\u09BF\u0993\n"
      u"nocolon\n:text\nkeys:\na:b:c\ncr:x\r\nlast:y"));
  ASSERT_TRUE(server.ready());
  engine_.StoreUserChoice(u"old", u"gone");
  engine_.LoadUserDictionary();
  std::vector<char> request = Utf16Bytes(u"LOAD_USER_DICT");
  request.insert(request.end(), {0, 0});
  EXPECT_EQ(request, server.Request());

  EXPECT_EQ(u"\u0986\u09AE\u09BF\u0993", engine_.FindUserChoice(u"ami"));
  EXPECT_EQ(u"\u09A4\u09C1\u09AE\u09BF", engine_.FindUserChoice(u"tumi"));
  EXPECT_EQ(u"b:c", engine_.FindUserChoice(u"a"));
  EXPECT_EQ(u"x\r", engine_.FindUserChoice(u"cr"));
  EXPECT_EQ(u"y", engine_.FindUserChoice(u"last"));
  for (const char16_t* absent : {u"old", u"nocolon", u"", u"keys"})
    EXPECT_FALSE(engine_.FindUserChoice(absent)) << std::u16string(absent).size();
}

TEST_F(UserDictionarySyncTest, ErrorReplyLeavesTheDictionaryEmpty) {
  ScriptedServer server(Utf16Bytes(u"Error: ami:x"));
  ASSERT_TRUE(server.ready());
  engine_.StoreUserChoice(u"old", u"gone");
  engine_.LoadUserDictionary();
  EXPECT_FALSE(engine_.FindUserChoice(u"old"));
  EXPECT_FALSE(engine_.FindUserChoice(u"Error"));

  engine_.LoadUserDictionary();  // no server now: the connect error
  EXPECT_FALSE(engine_.FindUserChoice(u"ami"));
}

TEST_F(UserDictionarySyncTest, LearningWritesOneRequestOf46Bytes) {
  ScriptedServer server({}, ScriptedServer::Answer::Silence);
  ASSERT_TRUE(server.ready());
  const std::u16string keys = u"ami", text = u"\u0986\u09AE\u09BF";
  engine_.AddUserDictionaryEntry(Range(keys), Range(text));
  std::vector<char> expected = Utf16Bytes(u"SAVE_USER_DICT ami:\u0986\u09AE\u09BF");
  expected.insert(expected.end(), {0, 0});
  EXPECT_EQ(46u, expected.size());
  EXPECT_EQ(expected, server.Request());
  EXPECT_EQ(text, engine_.FindUserChoice(keys));
}

TEST_F(UserDictionarySyncTest, WithoutServerLearningStaysInMemoryAndLastChoiceWins) {
  const std::u16string keys = u"ami";
  engine_.AddUserDictionaryEntry(Range(keys), Range(u"\u0986\u09AE\u09BF"));
  engine_.AddUserDictionaryEntry(Range(keys), Range(u"\u0986\u09AE\u09BF\u0993"));
  EXPECT_EQ(u"\u0986\u09AE\u09BF\u0993", engine_.FindUserChoice(keys));
}

// A choice learned by one engine is there for the next engine's load.
TEST_F(UserDictionarySyncTest, LearnedChoicesReachTheNextEngine) {
  ServerProcess server;
  ASSERT_TRUE(server.Start());
  const std::u16string keys = u"bhalo", text = u"\u09AD\u09BE\u09B2\u09CB";
  engine_.AddUserDictionaryEntry(Range(keys), Range(text));
  CCompositionProcessorEngine next;
  for (int i = 0; i < 200 && !next.FindUserChoice(keys); ++i) {
    next.LoadUserDictionary();
    if (!next.FindUserChoice(keys)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(text, next.FindUserChoice(keys));
}

}  // namespace
