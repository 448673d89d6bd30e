// The candidate list as the user moves through it: arrows, pages, Home and
// End, the wheel and clicks, in the window; and the same list as a UI-less
// application reads it.
#include <gmock/gmock.h>

#include "TypingFixture.h"
#include "host/FailureSwitch.h"

namespace {

using ::testing::ElementsAre;

class CandidateListTest : public TypingFixture {
 protected:
  // "k" in Avro Phonetic: nine candidates, pages [0, 7].
  void TypeKa() {
    Start(3);
    Type(u"k");
    ASSERT_TRUE(List());
    ASSERT_EQ(List()->reading.count, 9u);
  }
  static UINT Selection() { return List()->reading.selection; }
  static std::vector<UINT> Pages() { return List()->reading.pageStarts; }
  static UINT CurrentPage() { return List()->reading.currentPage; }
};

TEST_P(CandidateListTest, ArrowsPagesHomeAndEndMoveTheSelection) {
  TypeKa();
  EXPECT_THAT(Pages(), ElementsAre(0u, 7u));
  Press("Up");
  EXPECT_EQ(Selection(), 8u) << "up from the first wraps to the last";
  Press("Down");
  EXPECT_EQ(Selection(), 0u);
  Press("PageDown");
  EXPECT_EQ(Selection(), 7u);
  EXPECT_EQ(CurrentPage(), 1u);
  Press("PageUp");
  EXPECT_EQ(Selection(), 0u);
  Press("End");
  EXPECT_EQ(Selection(), 8u);
  EXPECT_THAT(Pages(), ElementsAre(0u, 1u, 8u))
      << "laid out around the last item; the arrows pinned the pages, so it stands alone";
  Press("Home");
  EXPECT_EQ(Selection(), 0u);
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{1})) << "the caret stayed";
}

TEST_P(CandidateListTest, TheWheelMovesTheSelectionAndAClickCommitsOnce) {
  TypeKa();
  HWND window = host::WindowsOfClass(u"LutemIME.CandidateWindow").back();
  ASSERT_TRUE(host::Wheel(window, -WHEEL_DELTA));
  host::PumpMessages();
  EXPECT_EQ(Selection(), 1u);
  ASSERT_TRUE(host::Wheel(window, WHEEL_DELTA));
  ASSERT_TRUE(host::Wheel(window, WHEEL_DELTA));
  host::PumpMessages();
  EXPECT_EQ(Selection(), 8u);

  const std::u16string third = Candidates()[2];
  std::optional<host::WindowInfo> info = CandidateWindow();
  ASSERT_TRUE(info);
  const int rowHeight = (info->rect.bottom - info->rect.top - 10) / 7;
  Press("Home");
  ASSERT_TRUE(host::Click(window, 20, rowHeight * 2 + rowHeight / 2));
  host::PumpMessages();
  EXPECT_EQ(Text(), third);
  EXPECT_EQ(Composition(), std::nullopt);
  EXPECT_EQ(List(), std::nullopt);
  EXPECT_TRUE(host::SentInput().empty()) << "a click sends no key";
  EXPECT_EQ(host::ApplicationCharacters(), u"");
}

TEST_P(CandidateListTest, AUiLessApplicationIsToldWhatChangedAndTheWindowStaysHidden) {
  host::SetUIElementShow(false);
  TypeKa();
  EXPECT_FALSE(CandidateWindow()->visible);
  EXPECT_FALSE(List()->shown);
  auto lastUpdate = []() -> DWORD {
    std::vector<host::UIElementCall> calls = host::UIElementCalls();
    for (auto call = calls.rbegin(); call != calls.rend(); ++call)
      if (call->kind == host::UIElementCall::kUpdate && call->read) return call->reading.flags;
    return 0;
  };
  EXPECT_EQ(lastUpdate(), 0x3Eu);
  Press("Down");
  EXPECT_EQ(lastUpdate(), 0x04u);
  Press("PageDown");
  EXPECT_EQ(lastUpdate(), 0x24u);
  Press("End");
  EXPECT_EQ(lastUpdate(), 0x24u);
  Type(u"a");
  EXPECT_EQ(lastUpdate(), 0x3Eu);
  EXPECT_FALSE(CandidateWindow()->visible);
}

// The application refuses the layout sink the list needs once: that word is
// typed and edited without a list, and the next word has its list again.
TEST_P(CandidateListTest, AListThatCouldNotBeBegunLeavesTypingWorking) {
  const std::u16string ami = u"\u0986\u09AE\u09BF";  // আমি
  Start(1);
  host::FailCall("ITfSource::AdviseSink:IID_ITfTextLayoutSink");
  Type(u"a");
  host::ClearFailures();
  EXPECT_EQ(List(), std::nullopt);
  Type(u"mi");
  EXPECT_EQ(Text(), ami);
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{3}));
  EXPECT_EQ(List(), std::nullopt) << "the word goes on without a list";
  Press("Backspace");
  EXPECT_EQ(Text(), u"\u0986\u09AE");
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{2}));
  Type(u"i");
  Press("Tab");
  EXPECT_EQ(Text(), ami + u"\t");
  EXPECT_EQ(Composition(), std::nullopt);

  Type(u"ami");
  EXPECT_EQ(Text(), ami + u"\t" + ami);
  ASSERT_TRUE(List()) << "the next word tries again";
  EXPECT_THAT(List()->reading.strings, ElementsAre(ami, u"ami"));
  Press("Space");
  EXPECT_EQ(Text(), ami + u"\t" + ami + u" ");
}

// In a word that goes on without a list, Enter, Space and Ctrl ask for the
// conversion list. When the application refuses what that list needs too,
// the key still does what it does with a list: the word is committed as it
// stands, and Enter and Space then reach the application.
TEST_P(CandidateListTest, AConversionListThatCouldNotBeBegunCommitsTheWordAndLetsTheKeyGoOn) {
  const std::u16string ami = u"\u0986\u09AE\u09BF";  // আমি
  struct Case {
    const char* key;
    std::u16string passed;  // what the application receives
  };
  for (const Case& c : {Case{"Enter", u"\r"}, Case{"Space", u" "}, Case{"Ctrl", u""}}) {
    SCOPED_TRACE(c.key);
    Start(1);
    // The list kept while typing, then the conversion list.
    host::FailCall("ITfSource::AdviseSink:IID_ITfTextLayoutSink", 1, 2);
    Type(u"ami");
    ASSERT_EQ(List(), std::nullopt);
    Press(c.key);
    host::ClearFailures();
    EXPECT_EQ(List(), std::nullopt);
    EXPECT_EQ(Text(), ami + c.passed);
    EXPECT_EQ(Composition(), std::nullopt);
    EXPECT_EQ(host::ApplicationCharacters(), c.passed);

    Type(u"ami");
    EXPECT_TRUE(List()) << "the next word has its list";
    EXPECT_EQ(Text(), ami + c.passed + ami);
    Deactivate();
  }
}

INSTANTIATE_TEST_SUITE_P(Grants, CandidateListTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
