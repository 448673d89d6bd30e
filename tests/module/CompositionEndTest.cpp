// How a composition ends when the user or the application leaves it: the
// caret moving away, the application terminating it, a document that does
// not take typing, the keyboard switched off, and the input method switched
// off in the middle.
#include <gmock/gmock.h>

#include "TypingFixture.h"

namespace {

using ::testing::ElementsAre;

const std::u16string kAmi = u"\u0986\u09AE\u09BF";  // আমি
const std::u16string kKa = u"\u0995";              // ক

class CompositionEndTest : public TypingFixture {
 protected:
  static bool HasAttribute(ITfContext* context) {
    for (const host::PropertyRun& run : host::PropertyRuns(context, GUID_PROP_ATTRIBUTE))
      if (run.type != VT_EMPTY) return true;
    return false;
  }
  void SetContextCompartment(REFGUID guid, LONG value) { SetCompartment(context_, guid, value); }
  void SetCompartment(IUnknown* owner, REFGUID guid, LONG value) {
    WriteCompartment(owner, App().clientId(), guid, value);
  }
};

TEST_P(CompositionEndTest, TheCaretLeavingEndsTheWordAndTheNextKeyStartsANewOne) {
  Start(1);
  host::LoadDocument(context_, u"x", 1);
  host::PumpMessages();
  Type(u"ami");
  host::MoveCaret(context_, 0);
  host::PumpMessages();
  EXPECT_EQ(Text(), u"x" + kAmi);
  EXPECT_EQ(Composition(), std::nullopt);
  EXPECT_FALSE(HasAttribute(context_));
  EXPECT_EQ(List(), std::nullopt);
  // The old keys went with the composition: the word is not written again.
  Type(u"k");
  EXPECT_EQ(Text(), kKa + u"x" + kAmi);
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{1}));
  EXPECT_THAT(Candidates(), ElementsAre(kKa, u"k"));
}

TEST_P(CompositionEndTest, AKeyTypedBeforeTheCloseCameRoundIsNotLost) {
  Start(1);
  host::LoadDocument(context_, u"x", 1);
  host::PumpMessages();
  Type(u"ami");
  host::MoveCaret(context_, 0);
  host::TypeText(u"k");  // before the application lets the close run
  host::PumpMessages();
  EXPECT_EQ(Text(), kKa + u"x" + kAmi);
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{1}));
  EXPECT_EQ(host::ApplicationCharacters(), u"");
}

TEST_P(CompositionEndTest, WithTheCaretInsideTheWordTheWholeWordIsWrittenAgain) {
  Start(1);
  Type(u"ami");
  host::MoveCaret(context_, 1);
  host::PumpMessages();
  ASSERT_TRUE(Composition()) << "the caret is still inside";
  Type(u"k");
  EXPECT_EQ(Text(), kAmi + kKa);
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{4}));
}

TEST_P(CompositionEndTest, TheApplicationEndingTheCompositionKeepsTheUsersText) {
  Start(1);
  host::LoadDocument(context_, u"x", 1);
  host::PumpMessages();
  Type(u"ami");
  EXPECT_EQ(host::TerminateCompositions(context_), S_OK);
  host::PumpMessages();
  EXPECT_EQ(Text(), u"x" + kAmi);
  EXPECT_EQ(Composition(), std::nullopt);
  EXPECT_FALSE(HasAttribute(context_));
  EXPECT_EQ(List(), std::nullopt);
  Type(u"k");
  EXPECT_EQ(Text(), u"x" + kAmi + kKa) << "a new word, not the old one again";
  EXPECT_EQ(Composition(), std::make_pair(LONG{4}, LONG{5}));
}

TEST_P(CompositionEndTest, ADisabledOrEmptyContextLeavesEveryKeyToTheApplication) {
  for (const GUID& compartment : {GUID_COMPARTMENT_KEYBOARD_DISABLED, GUID_COMPARTMENT_EMPTYCONTEXT}) {
    Start(1);
    SetContextCompartment(compartment, 1);
    Type(u"ami");
    EXPECT_EQ(Composition(), std::nullopt);
    EXPECT_EQ(host::ApplicationCharacters(), u"ami");
    EXPECT_EQ(Text(), u"ami");
    SetContextCompartment(compartment, 0);
    Type(u"k");
    EXPECT_EQ(Text(), u"ami" + kKa);
    Deactivate();
  }
}

TEST_P(CompositionEndTest, SwitchedOffInTheMiddleOfAWordTheTextStaysAndNothingLateHarmsIt) {
  Start(1);
  Type(u"am");
  host::TypeText(u"i");  // may still wait for its lock
  EXPECT_EQ(Deactivate(), S_OK);
  host::PumpMessages();
  // A key granted its lock at once wrote its letter; one still waiting when
  // the input method went does nothing.
  EXPECT_EQ(Text(), GetParam() == host::EditSessionGrant::Immediate ? kAmi : u"\u0986\u09AE");
  EXPECT_EQ(Composition(), std::nullopt);
  EXPECT_FALSE(CandidateWindow());
}

TEST_P(CompositionEndTest, SwitchedOffTheKeyboardEndsTheCompositionAndWhatIsTypedThenStays) {
  // In Probhat "i" is a vowel sign waiting for its consonant: a composition
  // with no text yet, which Ctrl does not commit.
  Start(6);
  Type(u"i");
  ASSERT_EQ(Composition(), std::make_pair(LONG{0}, LONG{0}));
  Press("Ctrl+Space");
  EXPECT_EQ(Composition(), std::nullopt);
  Type(u"abc");
  EXPECT_EQ(Text(), u"abc");
  Press("Ctrl+Space");
  Type(u"k");
  EXPECT_EQ(Text(), u"abc" + kKa);
  EXPECT_EQ(Composition(), std::make_pair(LONG{3}, LONG{4}));
}

TEST_P(CompositionEndTest, TheApplicationSwitchingTheKeyboardOffEndsTheCompositionAtTheNextKey) {
  // An empty composition (a Probhat vowel sign waiting for its consonant)
  // and a word: either ends before the first key typed while off goes on.
  struct Case {
    int layout;
    const char16_t* typed;
    std::u16string kept;
  } cases[] = {{6, u"i", u""}, {1, u"ami", kAmi}};
  for (const Case& c : cases) {
    Start(c.layout);
    Type(c.typed);
    SetCompartment(App().threadMgr(), GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, 0);
    Type(u"abc");
    EXPECT_EQ(Composition(), std::nullopt) << c.layout;
    EXPECT_EQ(Text(), c.kept + u"abc") << c.layout;
    SetCompartment(App().threadMgr(), GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, 1);
    Type(u"k");
    EXPECT_EQ(Text().substr(0, c.kept.size() + 3), c.kept + u"abc") << c.layout;
    Deactivate();
  }
}

INSTANTIATE_TEST_SUITE_P(Grants, CompositionEndTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
