// Typing, Backspace, Esc and the commits, as a user meets them in an
// application, under every way an application grants edit sessions.
#include <gmock/gmock.h>

#include "TypingFixture.h"

namespace {

using ::testing::ElementsAre;

const std::u16string kAmi = u"\u0986\u09AE\u09BF";  // আমি

class TypingTest : public TypingFixture {};

TEST_P(TypingTest, AmiInLayoutOneIsOneCompositionInTheInputAttribute) {
  Start(1);
  Type(u"a");
  ASSERT_EQ(Text(), u"\u0986");
  Type(u"mi");
  EXPECT_EQ(Text(), kAmi);
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{3}));
  EXPECT_EQ(host::SelectionOf(context_).start, 3);
  EXPECT_EQ(host::ApplicationCharacters(), u"");

  std::vector<host::PropertyRun> attribute = host::PropertyRuns(context_, GUID_PROP_ATTRIBUTE);
  ASSERT_EQ(attribute.size(), 1u);
  EXPECT_EQ(attribute[0].start, 0);
  EXPECT_EQ(attribute[0].end, 3);
  ASSERT_EQ(attribute[0].type, VT_I4);
  GUID guid = GUID_NULL;
  ASSERT_TRUE(host::GuidOfAtom(static_cast<TfGuidAtom>(attribute[0].value), guid));
  EXPECT_TRUE(IsEqualGUID(guid, GUID_DisplayAttributeInput));

  EXPECT_THAT(Candidates(), ElementsAre(kAmi, u"ami"));
  ASSERT_TRUE(CandidateWindow());
  EXPECT_TRUE(CandidateWindow()->visible);
}

// How many times the application got the key down.
size_t KeyDownsOf(UINT vk) {
  size_t count = 0;
  for (const host::ApplicationKeyMessage& message : host::ApplicationKeyMessages())
    if (message.message == WM_KEYDOWN && (message.wParam & 0xFFFF) == vk) ++count;
  return count;
}

TEST_P(TypingTest, BackspaceConvertsTheShorterKeysAndTheLastOneTakesTheCompositionAway) {
  Start(1);
  Type(u"ami");
  Press("Backspace");
  EXPECT_EQ(Text(), u"\u0986\u09AE");  // আম
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{2}));
  EXPECT_THAT(Candidates(), ElementsAre(u"\u0986\u09AE", u"am"));
  Press("Backspace");
  Press("Backspace");
  EXPECT_EQ(Text(), u"");
  EXPECT_EQ(Composition(), std::nullopt);
  EXPECT_EQ(List(), std::nullopt);
  EXPECT_EQ(KeyDownsOf(VK_BACK), 0u) << "every Backspace was the composition's";
  Press("Backspace");
  EXPECT_EQ(KeyDownsOf(VK_BACK), 1u) << "with nothing composed it is the application's";
}

TEST_P(TypingTest, EscapeTakesTheCompositionAndItsTextAway) {
  Start(1);
  host::LoadDocument(context_, u"x", 1);
  host::PumpMessages();
  Type(u"ami");
  Press("Escape");
  EXPECT_EQ(Text(), u"x");
  EXPECT_EQ(Composition(), std::nullopt);
  EXPECT_EQ(List(), std::nullopt);
  EXPECT_FALSE(CandidateWindow()) << "the window went with the list";
  EXPECT_EQ(KeyDownsOf(VK_ESCAPE), 0u);
}

TEST_P(TypingTest, EnterAndSpaceCommitTheSelectedCandidateAndThenReachTheApplicationOnce) {
  struct Case {
    const char* key;
    UINT vk;
    char16_t character;
  };
  for (const Case& key : {Case{"Enter", VK_RETURN, u'\r'}, Case{"Space", VK_SPACE, u' '}}) {
    SCOPED_TRACE(key.key);
    Start(1);
    Type(u"ami");
    Press(key.key);
    EXPECT_EQ(Text(), kAmi + key.character);
    EXPECT_EQ(Composition(), std::nullopt);
    EXPECT_EQ(host::ApplicationCharacters(), std::u16string(1, key.character));
    EXPECT_EQ(KeyDownsOf(key.vk), 1u);
    ASSERT_EQ(host::SentInput().size(), 2u) << "the key went again, down and up";
    EXPECT_EQ(host::SentInput()[0].ki.wVk, key.vk);
    Deactivate();
  }
}

TEST_P(TypingTest, TabAndAtSignEndTheCompositionKeepingItsTextThenReachTheApplication) {
  for (const char* key : {"Tab", "@"}) {
    SCOPED_TRACE(key);
    Start(1);
    Type(u"ami");
    Press(key);
    const char16_t character = key[0] == '@' ? u'@' : u'\t';
    EXPECT_EQ(Text(), kAmi + character);
    EXPECT_EQ(Composition(), std::nullopt);
    EXPECT_EQ(List(), std::nullopt);
    EXPECT_EQ(host::ApplicationCharacters(), std::u16string(1, character));
    std::vector<host::PropertyRun> attribute = host::PropertyRuns(context_, GUID_PROP_ATTRIBUTE);
    for (const host::PropertyRun& run : attribute) EXPECT_EQ(run.type, VT_EMPTY) << "underline gone";
    Deactivate();
  }
}

TEST_P(TypingTest, ANumberKeyCommitsTheCandidateOfItsRowAndIsNotTypedItself) {
  Start(1);
  Type(u"ami");
  Press("2");
  EXPECT_EQ(Text(), u"ami");
  EXPECT_EQ(Composition(), std::nullopt);
  EXPECT_EQ(host::ApplicationCharacters(), u"");
  EXPECT_TRUE(host::SentInput().empty());

  Type(u"ami");
  EXPECT_THAT(Candidates(), ElementsAre(u"ami", kAmi)) << "the choice was learned";
  Press("Numpad2");
  EXPECT_EQ(Text(), u"ami" + kAmi);
  Type(u"ami");
  Press("3");  // no third candidate: refused, and nothing typed
  EXPECT_EQ(Text(), u"ami" + kAmi + kAmi) << "the composition, as before the key";
  EXPECT_TRUE(Composition());
  EXPECT_EQ(host::ApplicationCharacters(), u"");
}

TEST_P(TypingTest, DigitsAfterDigitsExtendTheNumberInsteadOfChoosing) {
  Start(1);
  Type(u"12");
  EXPECT_TRUE(Composition());
  EXPECT_EQ(Composition()->second, 2);
  EXPECT_EQ(Candidates().size(), 3u) << "the digits, the keys and the number in words";
}

TEST_P(TypingTest, CtrlCommitsTheSelectedCandidateAndSendsNothing) {
  Start(1);
  Type(u"ami");
  Press("Ctrl");
  EXPECT_EQ(Text(), kAmi);
  EXPECT_EQ(Composition(), std::nullopt);
  EXPECT_TRUE(host::SentInput().empty());
  EXPECT_EQ(host::ApplicationCharacters(), u"");
}

TEST_P(TypingTest, KeysTypedBeforeTheApplicationGrantsALockKeepTheirOrder) {
  struct Case {
    std::u16string typed;
    char16_t passed;
  };
  for (const Case& typing : {Case{u"ami@k", u'@'}, Case{u"ami\rk", u'\r'}, Case{u"ami\tk", u'\t'}}) {
    Start(1);
    host::TypeText(typing.typed);  // no pump in between: sessions may still wait
    host::PumpMessages();
    EXPECT_EQ(Text(), kAmi + typing.passed + u"\u0995");
    EXPECT_EQ(Composition(), std::make_pair(LONG{4}, LONG{5}));
    EXPECT_EQ(host::ApplicationCharacters(), std::u16string(1, typing.passed));
    Deactivate();
  }
  // A key typed again behind one held for the application does not overtake
  // it either: the second Enter reached the application only after the next
  // word had begun, and went into that word.
  Start(1);
  host::TypeText(u"ami\rk\rk");
  host::PumpMessages();
  EXPECT_EQ(Text(), kAmi + u"\r\u0995\r\u0995");
  EXPECT_EQ(Composition(), std::make_pair(LONG{6}, LONG{7}));
  EXPECT_EQ(host::ApplicationCharacters(), u"\r\r");
  Deactivate();
  // Nor does a key typed after a Space that commits the word: the Space is
  // sent on only when its commit runs.
  for (const std::u16string& committing : {std::u16string(u" "), std::u16string(u"\r")}) {
    Start(1);
    Type(u"ami");
    host::TypeText(committing + u"k");
    host::PumpMessages();
    EXPECT_EQ(Text(), kAmi + committing + u"\u0995");
    EXPECT_EQ(Composition(), std::make_pair(LONG{4}, LONG{5}));
    Deactivate();
  }
}

TEST_P(TypingTest, AnApplicationThatCallsKeyDownWithoutTheTestTypesTheSame) {
  Start(1);
  host::SetKeyDelivery(host::KeyDelivery::KeyDownOnly);
  Type(u"ami");
  EXPECT_EQ(Text(), kAmi);
  Press("Tab");
  EXPECT_EQ(Text(), kAmi + u"\t");
  Type(u"ami");
  Press("Enter");
  EXPECT_EQ(Text(), kAmi + u"\t" + kAmi + u"\r");
  EXPECT_EQ(host::ApplicationCharacters(), u"\t\r");
}

TEST_P(TypingTest, InLayoutEightShiftAloneWaitsForALetterBeforeTheListShows) {
  Start(8);
  Press("Shift");
  ASSERT_TRUE(Composition());
  ASSERT_TRUE(CandidateWindow());
  EXPECT_FALSE(CandidateWindow()->visible);
  Press("Shift");  // the marker once
  Type(u"a");
  EXPECT_TRUE(CandidateWindow()->visible);
  Press("Enter");
  EXPECT_EQ(Composition(), std::nullopt);
  EXPECT_EQ(host::ApplicationCharacters(), u"\r");
}

TEST_P(TypingTest, ReadingTheKeysCharactersLeavesTheUsersDeadKeysAlone) {
  Start(1);
  Type(u"ami");
  Press("Tab");
  Type(u"Ami");
  Press("Backspace");
  Press("Enter");
  Press("Ctrl+A");
  EXPECT_EQ(host::ToUnicodeCallsChangingState(), 0)
      << "a translation that changes the keyboard state uses up a dead key typed for the application";
}

INSTANTIATE_TEST_SUITE_P(Grants, TypingTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
