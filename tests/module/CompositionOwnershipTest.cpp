// A word belongs to the document it was begun in: a user who clicks into
// another text box, an application that pushes or pops a context, ends a
// composition, or the keyboard switched away in the middle of a word, each
// with two documents (A, the first, and B) under every edit-session grant.
#include <gmock/gmock.h>

#include "TypingFixture.h"

namespace {

using ::testing::ElementsAre;

const std::u16string kAmi = u"\u0986\u09AE\u09BF";  // আমি
const std::u16string kKa = u"\u0995";              // ক
const std::u16string kKaA = u"\u0995\u09BE";       // কা
using Span = std::pair<LONG, LONG>;

class CompositionOwnershipTest : public TypingFixture {
 protected:
  // A composition still open in the document, as the application holds it.
  static std::optional<Span> CompositionIn(ITfContext* context) {
    std::vector<host::CompositionInfo> open = host::Compositions(context);
    if (open.empty()) return std::nullopt;
    return std::make_pair(open.back().start, open.back().end);
  }
  static size_t OpenCompositions(ITfContext* context) { return host::Compositions(context).size(); }
  // The units that carry the input display attribute.
  static std::vector<Span> Underlined(ITfContext* context) {
    std::vector<Span> runs;
    for (const host::PropertyRun& run : host::PropertyRuns(context, GUID_PROP_ATTRIBUTE))
      if (run.type != VT_EMPTY) runs.emplace_back(run.start, run.end);
    return runs;
  }
  // Document B, focused, with the first document A's context kept.
  ITfContext* FocusSecondDocument() {
    documentB_ = FocusNewDocument();
    return host::TsfApplication::TopContext(documentB_);
  }
  void FocusA() {
    App().Focus(document_);
    host::PumpMessages();
  }
  // A left with nothing composed: its text as seen, no underline, no list.
  void ExpectAEndedWith(const std::u16string& text) {
    EXPECT_EQ(Text(), text);
    EXPECT_EQ(OpenCompositions(context_), 0u);
    EXPECT_THAT(Underlined(context_), ElementsAre());
  }

  ITfDocumentMgr* documentB_ = nullptr;
};

TEST_P(CompositionOwnershipTest, EachDocumentKeepsItsOwnWordAcrossFocusChanges) {
  Start(1);
  Type(u"ami");
  ITfContext* b = FocusSecondDocument();
  ExpectAEndedWith(kAmi);
  EXPECT_EQ(List(), std::nullopt) << "the list went with the word";
  EXPECT_FALSE(CandidateWindow() && CandidateWindow()->visible);

  Type(u"ka");
  EXPECT_EQ(host::DocumentText(b), kKaA);
  EXPECT_EQ(CompositionIn(b), Span(0, 2)) << "one word, not one composition per key";
  EXPECT_EQ(OpenCompositions(b), 1u);
  EXPECT_THAT(Candidates(), ElementsAre(kKaA, u"ka"));
  ExpectAEndedWith(kAmi);

  FocusA();
  EXPECT_EQ(host::DocumentText(b), kKaA);
  EXPECT_EQ(OpenCompositions(b), 0u);
  EXPECT_THAT(Underlined(b), ElementsAre());
  Type(u"k");
  EXPECT_EQ(Text(), kAmi + kKa) << "a new word, not the old keys again";
  EXPECT_EQ(Composition(), Span(3, 4));
  EXPECT_THAT(Underlined(context_), ElementsAre(Span(3, 4)));
  EXPECT_EQ(host::DocumentText(b), kKaA);
  EXPECT_THAT(Learned(), ElementsAre()) << "leaving a word learns nothing";
}

TEST_P(CompositionOwnershipTest, AKeyWhoseSessionRunsAfterTheFocusMovedStaysInItsDocument) {
  Start(1);
  Type(u"am");
  host::TypeText(u"i");  // may wait for its lock until after the focus moved
  ITfContext* b = FocusSecondDocument();
  ExpectAEndedWith(kAmi);
  EXPECT_EQ(host::DocumentText(b), u"");
  Type(u"k");
  EXPECT_EQ(host::DocumentText(b), kKa);
  EXPECT_EQ(CompositionIn(b), Span(0, 1));
  ExpectAEndedWith(kAmi);

  // A Tab held back until A's word is committed never reaches B.
  FocusA();
  Type(u"ami");
  host::TypeText(u"\t");
  App().Focus(documentB_);
  host::PumpMessages();
  EXPECT_EQ(host::DocumentText(b), kKa);
  const bool atOnce = GetParam() != host::EditSessionGrant::RefuseSynchronous;
  ExpectAEndedWith(kAmi + kAmi + (atOnce ? u"\t" : u""));
}

TEST_P(CompositionOwnershipTest, NoFocusOrAnEmptyDocumentEndsTheWordToo) {
  Start(1);
  Type(u"ami");
  App().Focus(nullptr);
  host::PumpMessages();
  ExpectAEndedWith(kAmi);
  FocusA();
  Type(u"k");
  EXPECT_EQ(Text(), kAmi + kKa);
  EXPECT_EQ(Composition(), Span(3, 4));

  App().Focus(App().CreateEmptyDocument());
  host::PumpMessages();
  ExpectAEndedWith(kAmi + kKa);
}

TEST_P(CompositionOwnershipTest, TheApplicationEndingTheOlderWordLeavesTheNewOneAlone) {
  Start(1);
  Type(u"ami");
  ITfContext* b = FocusSecondDocument();
  Type(u"k");
  EXPECT_EQ(host::TerminateCompositions(context_), S_FALSE) << "nothing left open in A";
  host::PumpMessages();
  Type(u"a");
  EXPECT_EQ(host::DocumentText(b), kKaA);
  EXPECT_EQ(CompositionIn(b), Span(0, 2));
  EXPECT_EQ(OpenCompositions(b), 1u);
}

TEST_P(CompositionOwnershipTest, AWordLeftInADocumentThatTakesNoWritingIsOnlyLetGo) {
  // A document that turned read-only cannot have its word ended by the
  // input method: the application ends it later, and only that word goes.
  Start(1);
  Type(u"ami");
  host::SetDocumentReadOnly(context_, true);
  ITfContext* b = FocusSecondDocument();
  Type(u"k");
  EXPECT_EQ(CompositionIn(b), Span(0, 1));
  host::SetDocumentReadOnly(context_, false);
  EXPECT_EQ(host::TerminateCompositions(context_), S_OK);
  host::PumpMessages();
  EXPECT_EQ(Text(), kAmi);
  Type(u"a");
  EXPECT_EQ(host::DocumentText(b), kKaA);
  EXPECT_EQ(CompositionIn(b), Span(0, 2));
  EXPECT_EQ(OpenCompositions(b), 1u);
  EXPECT_THAT(Candidates(), ElementsAre(kKaA, u"ka"));
}

TEST_P(CompositionOwnershipTest, DeactivatingEndsTheWordInADocumentThatLostTheFocus) {
  // The focus moved on, with the end of the word still waiting, and then
  // moved on again with a word open in B.
  for (bool typedInB : {false, true}) {
    Start(1);
    Type(u"ami");
    documentB_ = App().CreateDocument();
    App().Focus(documentB_);  // no pump
    ITfContext* b = host::TsfApplication::TopContext(documentB_);
    if (typedInB) {
      host::PumpMessages();
      Type(u"k");
      FocusA();
      App().Focus(documentB_);
    }
    EXPECT_EQ(Deactivate(), S_OK);
    ExpectAEndedWith(kAmi);
    EXPECT_EQ(OpenCompositions(b), 0u) << typedInB;
    EXPECT_THAT(Underlined(b), ElementsAre()) << typedInB;
    EXPECT_EQ(host::DocumentText(b), typedInB ? kKa : u"");
    EXPECT_FALSE(CandidateWindow() && CandidateWindow()->visible);
  }
}

TEST_P(CompositionOwnershipTest, TheProfileSwitchedOffInTheMiddleOfAWordKeepsItAsSeen) {
  Start(1);
  Type(u"ami");
  App().NotifyProfileActivated(CLSID_TextService, GUID_NULL, false);
  host::PumpMessages();
  ExpectAEndedWith(kAmi);
  EXPECT_EQ(List(), std::nullopt);
  EXPECT_THAT(Learned(), ElementsAre());
  App().NotifyProfileActivated(CLSID_TextService, GUID_NULL, true);
  host::PumpMessages();
  Type(u"k");
  EXPECT_EQ(Text(), kAmi + kKa);
  EXPECT_EQ(Composition(), Span(3, 4));
}

TEST_P(CompositionOwnershipTest, AContextPushedOverTheWordEndsItAndTheNewContextHasItsOwn) {
  Start(1);
  Type(u"ami");
  ITfContext* pushed = App().PushContext(document_);
  ASSERT_NE(pushed, nullptr);
  host::PumpMessages();
  ExpectAEndedWith(kAmi);
  Type(u"k");
  EXPECT_EQ(host::DocumentText(pushed), kKa);
  EXPECT_EQ(CompositionIn(pushed), Span(0, 1));

  // Popped with its word open: the word goes with it, and typing goes on in
  // the context below.
  ASSERT_EQ(document_->Pop(0), S_OK);
  host::PumpMessages();
  Type(u"k");
  EXPECT_EQ(Text(), kAmi + kKa);
  EXPECT_EQ(Composition(), Span(3, 4));
  EXPECT_THAT(Candidates(), ElementsAre(kKa, u"k"));
}

TEST_P(CompositionOwnershipTest, ADocumentWhoseContextsAreAllPoppedTakesItsWordAlong) {
  Start(1);
  FocusSecondDocument();
  Type(u"ami");
  ASSERT_EQ(documentB_->Pop(TF_POPF_ALL), S_OK);
  host::PumpMessages();
  FocusA();
  Type(u"k");
  EXPECT_EQ(Text(), kKa);
  EXPECT_EQ(Composition(), Span(0, 1));
  EXPECT_THAT(Candidates(), ElementsAre(kKa, u"k"));
}

INSTANTIATE_TEST_SUITE_P(Grants, CompositionOwnershipTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
