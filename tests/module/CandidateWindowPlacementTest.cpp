// Where the candidate window shows: below the composed text, above it near
// the bottom of the work area, pushed in at a monitor's edge, following the
// text when the application lays it out again, and sized for the monitor's
// DPI without touching the application thread's DPI awareness.
#include <gmock/gmock.h>

#include "TypingFixture.h"
#include "host/msctf/Views.h"
#include "host/user32/Monitors.h"

namespace {

class CandidateWindowPlacementTest : public TypingFixture {
 protected:
  void TearDown() override {
    TypingFixture::TearDown();
    host::SetMonitors({});
  }
  // The view of a document created from now on is laid out from (left, top).
  void TypeAmiAt(LONG left, LONG top) {
    Start(1);
    host::ViewLayout layout = host::ViewLayoutOf(context_);
    layout.left = left;
    layout.top = top;
    host::SetViewLayout(context_, layout);
    host::PumpMessages();
    Type(u"ami");
  }
  static RECT WindowRect() {
    std::optional<host::WindowInfo> window = CandidateWindow();
    return window ? window->rect : RECT{};
  }
};

TEST_P(CandidateWindowPlacementTest, BelowTheTextAndAboveItNearTheBottom) {
  TypeAmiAt(100, 100);  // one line of 20 pixels
  ASSERT_TRUE(CandidateWindow());
  EXPECT_TRUE(CandidateWindow()->visible);
  EXPECT_EQ(WindowRect().left, 100);
  EXPECT_EQ(WindowRect().top, 120);
  Deactivate();

  TypeAmiAt(100, 1000);  // the work area ends at 1040
  EXPECT_EQ(WindowRect().left, 100);
  EXPECT_EQ(WindowRect().bottom, 1000) << "the window's bottom meets the text's top";
}

TEST_P(CandidateWindowPlacementTest, TheWindowFollowsTheTextWhenTheApplicationLaysItOutAgain) {
  TypeAmiAt(100, 100);
  host::ViewLayout layout = host::ViewLayoutOf(context_);
  layout.left = 400;
  layout.top = 300;
  host::SetViewLayout(context_, layout);
  host::PumpMessages();
  EXPECT_EQ(WindowRect().left, 400);
  EXPECT_EQ(WindowRect().top, 320);
  host::DestroyView(context_);
  host::PumpMessages();
  EXPECT_FALSE(CandidateWindow()) << "no layout, no list";
  EXPECT_EQ(List(), std::nullopt);
  EXPECT_TRUE(Composition()) << "the composition goes on";
}

TEST_P(CandidateWindowPlacementTest, OnAMonitorLeftOfThePrimaryTheWindowStaysOnItsWorkArea) {
  host::SetMonitors({{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96},
                     {{-1920, 0, 0, 1080}, {-1920, 0, 0, 1040}, 96}});
  TypeAmiAt(-1900, 200);
  EXPECT_EQ(WindowRect().left, -1900);
  EXPECT_EQ(WindowRect().top, 220);
  Deactivate();
  TypeAmiAt(-1930, 200);  // the text starts left of the work area
  EXPECT_EQ(WindowRect().left, -1920);
  EXPECT_EQ(WindowRect().top, 220);
}

TEST_P(CandidateWindowPlacementTest, At144DpiEverythingIsHalfAsLargeAgain) {
  TypeAmiAt(100, 100);
  const RECT at96 = WindowRect();
  const int rows96 = (at96.bottom - at96.top - 10) / 7;
  EXPECT_EQ(at96.right - at96.left, 148) << "the narrowest at 96 DPI";
  Deactivate();

  const host::DpiAwareness before = host::ThreadDpiAwareness(GetCurrentThreadId());
  host::SetMonitors({{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 144}});
  TypeAmiAt(100, 100);
  const RECT at144 = WindowRect();
  EXPECT_EQ(at144.right - at144.left, 222);
  const int rows144 = (at144.bottom - at144.top - 16) / 7;
  EXPECT_NEAR(rows144, rows96 * 3 / 2, 2);
  EXPECT_EQ(CandidateWindow()->dpi, 144u);
  EXPECT_EQ(host::WindowDpiAwareness(CandidateWindow()->window), host::DpiAwareness::PerMonitorV2);
  EXPECT_EQ(host::ThreadDpiAwareness(GetCurrentThreadId()), before)
      << "the application's thread keeps its own awareness";
}

// A word longer than a small screen is wide: the window stays on it, and
// Enter commits the whole word, not the part the window shows.
TEST_P(CandidateWindowPlacementTest, AWordWiderThanTheScreenKeepsTheWindowOnItAndCommitsWhole) {
  host::SetMonitors({{RECT{0, 0, 320, 480}, RECT{0, 0, 320, 440}, 96}});
  Start(1);
  std::u16string keys;
  for (int i = 0; i < 40; ++i) keys += u"ka";
  Type(keys);
  ASSERT_TRUE(CandidateWindow());
  const std::u16string word = Text();
  ASSERT_EQ(word.size(), 80u);
  const RECT rect = WindowRect();
  EXPECT_GE(rect.left, 0);
  EXPECT_LE(rect.right, 320);
  Press("Enter");
  EXPECT_EQ(Text(), word + u"\r");
}

INSTANTIATE_TEST_SUITE_P(Grants, CandidateWindowPlacementTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
