#include "service/settings/SendSettingsCommand.h"

#include <gtest/gtest.h>

#include <chrono>

#include "ScriptedServer.h"
#include "SettingsTestRoot.h"

namespace {

const std::u16string kConnectError = u"Error: Could not connect to settings server.";
const std::u16string kReadError = u"Error: Failed to read from pipe.";

class SendSettingsCommandTest : public ::testing::Test {
 protected:
  SettingsTestRoot root_;
};

TEST_F(SendSettingsCommandTest, WithoutServerEveryCallGivesTheConnectError) {
  EXPECT_EQ(SendSettingsCommand(u"LOAD_ALL"), kConnectError);
  EXPECT_EQ(SendSettingsCommand(u""), kConnectError);
}

TEST_F(SendSettingsCommandTest, WritesTheTextAndItsNulAsOneMessage) {
  ScriptedServer server(Utf16Bytes(u"OK"));
  ASSERT_TRUE(server.ready());
  EXPECT_EQ(SendSettingsCommand(u"LOAD_ALL"), u"OK");
  std::vector<char> expected = Utf16Bytes(u"LOAD_ALL");
  expected.push_back(0);
  expected.push_back(0);
  EXPECT_EQ(server.Request(), expected);
  EXPECT_EQ(expected.size(), 18u);
}

TEST_F(SendSettingsCommandTest, ByteTypePipeRefusesMessageMode) {
  ScriptedServer server(Utf16Bytes(u"OK"), ScriptedServer::Answer::Reply, false);
  ASSERT_TRUE(server.ready());
  EXPECT_EQ(SendSettingsCommand(u"LOAD_ALL"), u"Error: Failed to set pipe handle state.");
}

struct ReplyCase {
  const char* name;
  std::vector<char> bytes;
  std::u16string expected;
};

void PrintTo(const ReplyCase& replyCase, std::ostream* out) { *out << replyCase.name; }

class ReplyShapeTest : public SendSettingsCommandTest,
                       public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(ReplyShapeTest, ReplyIsCutAsTheClientReadsIt) {
  ScriptedServer server(GetParam().bytes);
  ASSERT_TRUE(server.ready());
  EXPECT_EQ(SendSettingsCommand(u"LOAD_ALL"), GetParam().expected);
}

std::vector<char> WithOddByte(std::vector<char> bytes) {
  bytes.push_back('x');
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyShapeTest,
    ::testing::Values(
        ReplyCase{"Units1023ArriveWhole", Utf16Bytes(std::u16string(1023, u'a')),
                  std::u16string(1023, u'a')},
        ReplyCase{"Units1024FailTheRead", Utf16Bytes(std::u16string(1024, u'a')), kReadError},
        ReplyCase{"OddByteIsLost", WithOddByte(Utf16Bytes(u"ab")), u"ab"},
        ReplyCase{"NulEndsTheText", Utf16Bytes(std::u16string(u"abc\0def", 7)), u"abc"},
        ReplyCase{"BengaliKeepsItsUnits", Utf16Bytes(u"\u0986\u09AE\u09BF"),
                  u"\u0986\u09AE\u09BF"}),
    [](const ::testing::TestParamInfo<ReplyCase>& info) { return info.param.name; });

TEST_F(SendSettingsCommandTest, ServerThatHangsUpGivesTheReadErrorAtOnce) {
  ScriptedServer server({}, ScriptedServer::Answer::Hangup);
  ASSERT_TRUE(server.ready());
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(SendSettingsCommand(u"LOAD_ALL"), kReadError);
  EXPECT_LT(std::chrono::steady_clock::now() - start, kSettingsReplyTimeout);
}

// An empty message is a reply like any other, and is taken when it comes.
TEST_F(SendSettingsCommandTest, EmptyReplyIsTakenAtOnce) {
  ScriptedServer server({});
  ASSERT_TRUE(server.ready());
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(SendSettingsCommand(u"LOAD ThemeID"), u"");
  EXPECT_LT(std::chrono::steady_clock::now() - start, kSettingsReplyTimeout / 2);
}

// The time-out is behaviour, not speed: a silent server must not hold the
// caller (an application's UI thread) much beyond it.
TEST_F(SendSettingsCommandTest, SilentServerGivesTheReadErrorAfterTheTimeOut) {
  ScriptedServer server({}, ScriptedServer::Answer::Silence);
  ASSERT_TRUE(server.ready());
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(SendSettingsCommand(u"LOAD_ALL"), kReadError);
  auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, kSettingsReplyTimeout);
  EXPECT_LT(waited, kSettingsReplyTimeout + std::chrono::milliseconds(500));
}

}  // namespace
