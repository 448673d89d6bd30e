// What the user does to the candidate window, delivered as Windows delivers
// it: clicks, the wheel, the scroll bar codes, mouse moves, activation, and
// a DPI change.
#ifndef _WIN32
#include <ostream>

#include "host/user32/Monitors.h"
#include "host/user32/Mouse.h"
#include "host/user32/SystemMetrics.h"
#include "host/user32/WinEvents.h"
#include "support/CandidateWindowFixture.h"

namespace {

using namespace candidate_window_testing;

constexpr WORD kHand = 32649;
constexpr WORD kArrow = 32512;

class CandidateWindowInputTest : public CandidateWindowTest {
 protected:
  WORD LastCursor() const {
    const std::vector<HCURSOR> log = host::SetCursorLog();
    return log.empty() ? 0 : host::SystemCursorId(log.back());
  }
  int RowMiddle(int row) const {
    const int h = static_cast<int>(window_->ItemHeight());
    return row * h + h / 2;
  }
};

TEST_F(CandidateWindowInputTest, ClickOnTheThirdRowOfTheSecondPageChoosesItemNineOnce) {
  Open();
  Fill(Numbered(10));
  ASSERT_TRUE(window_->MovePage(+1));
  ASSERT_EQ(window_->Selection(), 7u);
  host::ClearSetCursorLog();

  // The callback leaves the window open, as when TSF runs the commit later:
  // the click still chooses once.
  ASSERT_TRUE(host::Click(Hwnd(), 20, RowMiddle(2)));
  EXPECT_EQ(window_->Selection(), 9u);
  EXPECT_EQ(choices_.actions, std::vector<UINT>{0});
  EXPECT_EQ(LastCursor(), kHand);
  EXPECT_EQ(GetForegroundWindow(), nullptr);  // never activated
}

TEST_F(CandidateWindowInputTest, CallbackMayCloseTheWindowFromInsideTheClick) {
  Open();
  Fill(Numbered(10));
  const HWND hwnd = Hwnd();
  choices_.closeOnChoice = &window_;
  ASSERT_TRUE(host::Click(hwnd, 20, RowMiddle(4)));
  EXPECT_EQ(choices_.actions, std::vector<UINT>{0});
  EXPECT_EQ(choices_.selectionSeen, 4u);
  EXPECT_FALSE(window_);
  EXPECT_FALSE(IsWindow(hwnd));
}

struct ClickCase {
  const char* what;
  int fromRight;  // x as the distance from the right edge; 0: x = 20
  int row;        // y = row * itemHeight + offset
  int offset;
  int chosen;     // -1: no hit
};

void PrintTo(const ClickCase& c, std::ostream* out) { *out << c.what; }

class CandidateWindowHitTest : public CandidateWindowInputTest,
                               public ::testing::WithParamInterface<ClickCase> {};

TEST_P(CandidateWindowHitTest, HitBoxesAreWholeRowsLessTheRightStrip) {
  const ClickCase& c = GetParam();
  host::SetSystemMetric(SM_CXVSCROLL, 20);
  Open();
  Fill(Numbered(10));
  const int width = WindowRect().right;
  const int x = c.fromRight == 0 ? 20 : width - c.fromRight;
  const int y = c.row * static_cast<int>(window_->ItemHeight()) + c.offset;
  window_->SetSelection(3);
  host::ClearSetCursorLog();
  ASSERT_TRUE(host::Click(Hwnd(), x, y)) << c.what;
  if (c.chosen < 0) {
    EXPECT_TRUE(choices_.actions.empty()) << c.what;
    EXPECT_EQ(window_->Selection(), 3u) << c.what;
    EXPECT_EQ(LastCursor(), kArrow) << c.what;
  } else {
    EXPECT_EQ(choices_.actions, std::vector<UINT>{0}) << c.what;
    EXPECT_EQ(window_->Selection(), static_cast<UINT>(c.chosen)) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, CandidateWindowHitTest,
    ::testing::Values(ClickCase{"left of the strip", 41, 1, 5, 1},
                      ClickCase{"strip's first pixel", 40, 1, 5, -1},
                      ClickCase{"right edge", 1, 1, 5, -1},
                      // The boxes start at the top edge: the rows are drawn 2 pixels lower.
                      ClickCase{"row 0's last pixel", 0, 1, -1, 0},
                      ClickCase{"row 1's first pixel", 0, 1, 0, 1},
                      ClickCase{"below the seventh row", 0, 7, 2, -1}));

TEST_F(CandidateWindowInputTest, ClickOnARowWithoutAnItemIsNoHit) {
  Open();
  Fill(Numbered(3));
  ASSERT_TRUE(host::Click(Hwnd(), 20, RowMiddle(5)));
  EXPECT_TRUE(choices_.actions.empty());
  EXPECT_EQ(window_->Selection(), 0u);
}

TEST_F(CandidateWindowInputTest, WheelMovesTheSelectionAndWrapsAtBothEnds) {
  Open();
  Fill(Numbered(10));
  struct Step {
    int delta;
    UINT selection;
  };
  const Step steps[] = {{120, 9}, {-120, 0}, {-120, 1}, {120, 0}, {0, 0}, {-240, 1}};
  for (const Step& step : steps) {
    ASSERT_TRUE(host::Wheel(Hwnd(), step.delta));
    EXPECT_EQ(window_->Selection(), step.selection) << "delta " << step.delta;
  }
  EXPECT_TRUE(window_->PagesPinned());

  // Towards the last item from the first shows the second page as laid out.
  Fill(Numbered(10));
  const uint64_t mark = host::GdiplusMark();
  ASSERT_TRUE(host::Wheel(Hwnd(), 120));
  EXPECT_EQ(TextsDrawn(mark),
            (std::vector<std::u16string>{u"1", u"c7", u"2", u"c8", u"3", u"c9"}));
  EXPECT_TRUE(choices_.actions.empty());

  Fill({});
  ASSERT_TRUE(host::Wheel(Hwnd(), 120));
  EXPECT_EQ(window_->Selection(), 0u);
}

TEST_F(CandidateWindowInputTest, ScrollCodesMoveWithoutWrapping) {
  struct Case {
    int code;
    int position;
    UINT selection;
    std::vector<UINT> pageStarts;
    bool painted;  // a code that moves nothing leaves the picture on the screen
  };
  const Case cases[] = {
      {SB_LINEDOWN, 0, 1, {0, 1, 8}, true},
      {SB_LINEUP, 0, 0, {0, 7}, false},  // no wrap at the first item
      {SB_PAGEDOWN, 0, 7, {0, 7}, true},
      {SB_PAGEUP, 0, 0, {0, 7}, false},
      {SB_THUMBPOSITION, 9, 9, {0, 3}, true},  // around 9, then the short last page filled
      {SB_THUMBPOSITION, 10, 0, {0, 7}, false},  // past the items
      {SB_TOP, 0, 0, {0, 7}, false},
  };
  for (const Case& c : cases) {
    Open();  // a window of its own: a page move pins its pages for good
    Fill(Numbered(10));
    const uint64_t mark = host::GdiplusMark();
    ASSERT_TRUE(host::Scroll(Hwnd(), c.code, c.position));
    EXPECT_EQ(window_->Selection(), c.selection) << c.code << " " << c.position;
    EXPECT_EQ(window_->PageStarts(), c.pageStarts) << c.code << " " << c.position;
    EXPECT_EQ(host::GdiplusCallsNamed("GdipGraphicsClear", mark).size(), c.painted ? 1u : 0u)
        << c.code;
    Close();
  }
}

TEST_F(CandidateWindowInputTest, CursorIsTheHandOverTheWindow) {
  Open();
  Fill(Numbered(3));
  ASSERT_TRUE(host::MoveMouse(Hwnd(), 30, RowMiddle(5)));
  EXPECT_EQ(LastCursor(), kHand);
  window_->OnMouseMove(POINT{-1, 5});
  EXPECT_EQ(LastCursor(), kArrow);
  EXPECT_TRUE(choices_.actions.empty());
}

TEST_F(CandidateWindowInputTest, NeverTakesActivation) {
  Open();
  Fill(Numbered(3));
  EXPECT_EQ(SendMessageW(Hwnd(), WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN)),
            MA_NOACTIVATE);
  ASSERT_TRUE(host::Tap(Hwnd(), 20, RowMiddle(1)));
  EXPECT_EQ(GetForegroundWindow(), nullptr);
  EXPECT_EQ(choices_.actions, std::vector<UINT>{0});  // a tap is a click without a cursor
  EXPECT_EQ(window_->Selection(), 1u);
}

TEST_F(CandidateWindowInputTest, ShowHideAndMovesAreAnnouncedAsImeEvents) {
  Open();
  Fill(Numbered(3));
  struct Step {
    void (*act)(CCandidateWindow*);
    std::vector<DWORD> events;
  };
  const Step steps[] = {
      {[](CCandidateWindow* w) { w->Show(FALSE); }, {EVENT_OBJECT_IME_HIDE}},
      {[](CCandidateWindow* w) { w->Move(40, 50); }, {}},  // hidden: nothing to tell
      {[](CCandidateWindow* w) { w->Show(TRUE); }, {EVENT_OBJECT_IME_SHOW}},
      {[](CCandidateWindow* w) { w->Move(60, 70); }, {EVENT_OBJECT_IME_CHANGE}},
      // Unmoved and unsized, but not told to skip the redraw either.
      {[](CCandidateWindow* w) { w->Move(60, 70); }, {EVENT_OBJECT_IME_CHANGE}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(&step - steps);
    host::ClearWinEventLog();
    step.act(window_.get());
    std::vector<DWORD> events;
    for (const host::WinEvent& event : host::WinEventLog()) {
      EXPECT_EQ(event.window, Hwnd());
      EXPECT_EQ(event.idObject, OBJID_CLIENT);
      EXPECT_EQ(event.idChild, CHILDID_SELF);
      events.push_back(event.event);
    }
    EXPECT_EQ(events, step.events);
  }
}

TEST_F(CandidateWindowInputTest, DpiChangeRebuildsTheFontMovesToTheSuggestionAndFitsTheContent) {
  Open();
  std::vector<std::u16string> words = BengaliWords();
  words.push_back(BengaliWords()[3] + BengaliWords()[3] + BengaliWords()[3]);
  Fill(words);
  ASSERT_GT(window_->Widest(), 148u);
  const UINT widestAt96 = window_->Widest();

  uint64_t mark = host::GdiplusMark();
  RECT suggested = {300, 200, 700, 520};
  SendMessageW(Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window_->Dpi(), 144u);
  const auto fonts = host::GdiplusCallsNamed("GdipCreateFont", mark);
  ASSERT_EQ(fonts.size(), 1u);
  EXPECT_EQ(fonts[0].values, std::vector<float>{24});
  const float fontHeight = host::GdiplusCallsNamed("GdipGetFontHeight", mark).at(0).results[0];
  EXPECT_EQ(window_->ItemHeight(), static_cast<UINT>(15 + fontHeight));

  // Placed at the suggestion's corner, sized for the content at 144 DPI:
  // the long candidate measured again in the larger font.
  const RECT rect = WindowRect();
  EXPECT_EQ(rect.left, 300);
  EXPECT_EQ(rect.top, 200);
  EXPECT_GT(window_->Widest(), widestAt96);
  EXPECT_EQ(rect.right - rect.left, static_cast<LONG>(window_->Widest()));
  EXPECT_EQ(rect.bottom - rect.top, static_cast<LONG>(7 * window_->ItemHeight() + 16));
  const auto drawn = host::GdiplusCallsNamed("GdipDrawString", mark);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().font->pixelSize, 24);
  EXPECT_EQ(drawn.back().values[2], rect.right - rect.left - 35 * 1.5f);

  // The monitor's own scale change reaches the window the same way.
  host::SetMonitorDpi(0, 120);
  EXPECT_EQ(window_->Dpi(), 120u);
  EXPECT_EQ(WindowRect().right - WindowRect().left,
            std::max<LONG>(static_cast<LONG>(window_->Widest()), MulDiv(148, 120, 96)));
}

}  // namespace
#endif
