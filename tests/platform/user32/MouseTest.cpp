#include <gtest/gtest.h>

#include "WindowFixture.h"
#include "host/user32/Mouse.h"
#include "host/user32/WinEvents.h"

namespace {

using testwindows::WindowTest;
using UintList = std::vector<UINT>;

struct MouseTest : WindowTest {
  // A candidate-like window: top-most, never activated by a click.
  HWND Candidate() {
    HWND window = Popup({100, 200, 300, 400}, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED);
    ShowWindow(window, SW_SHOWNA);
    host::ClearMessageLog(window);
    return window;
  }
  static UintList MouseMessages(HWND window) {
    return Only(window, {WM_NCHITTEST, WM_MOUSEACTIVATE, WM_SETCURSOR, WM_MOUSEMOVE,
                         WM_LBUTTONDOWN, WM_LBUTTONUP, WM_POINTERACTIVATE});
  }
  static host::LoggedMessage First(HWND window, UINT message) {
    for (const auto& m : host::MessageLog(window))
      if (m.message == message) return m;
    return host::LoggedMessage{};
  }
};

TEST_F(MouseTest, AClickArrivesInWindowsOrderWithTheCursorAlreadyThere) {
  HWND window = Candidate();
  POINT cursorSeenBySetCursor{};
  Script([&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    if (m == WM_SETCURSOR && HIWORD(lp) == WM_LBUTTONDOWN) GetCursorPos(&cursorSeenBySetCursor);
    return DefWindowProcW(w, m, wp, lp);
  });
  ASSERT_TRUE(host::Click(window, 10, 30));
  EXPECT_EQ(MouseMessages(window),
            (UintList{WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE,  // the cursor moves there first
                      WM_NCHITTEST, WM_MOUSEACTIVATE, WM_SETCURSOR, WM_LBUTTONDOWN,
                      WM_LBUTTONUP}));
  EXPECT_EQ(cursorSeenBySetCursor.x, 110);
  EXPECT_EQ(cursorSeenBySetCursor.y, 230);
  host::LoggedMessage activate = First(window, WM_MOUSEACTIVATE);
  EXPECT_EQ(activate.wParam, reinterpret_cast<WPARAM>(window));
  EXPECT_EQ(activate.lParam, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  host::LoggedMessage down = First(window, WM_LBUTTONDOWN);
  EXPECT_EQ(down.wParam, static_cast<WPARAM>(MK_LBUTTON));
  EXPECT_EQ(down.lParam, MAKELPARAM(10, 30));
  EXPECT_TRUE(down.posted);
  EXPECT_EQ(GetForegroundWindow(), nullptr);  // MA_NOACTIVATE was honoured

  // The same point again: no move, and still not active, so asked again.
  host::ClearMessageLog(window);
  host::Click(window, 10, 30);
  EXPECT_EQ(MouseMessages(window), (UintList{WM_NCHITTEST, WM_MOUSEACTIVATE, WM_SETCURSOR,
                                             WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(MouseTest, TheMouseActivateAnswerDecidesActivationAndEating) {
  struct Case {
    LRESULT answer;
    bool activates;
    bool buttonDown;
  };
  for (Case c : {Case{MA_ACTIVATE, true, true}, Case{MA_ACTIVATEANDEAT, true, false},
                 Case{MA_NOACTIVATE, false, true}, Case{MA_NOACTIVATEANDEAT, false, false}}) {
    host::ResetDesktop();
    HWND window = Candidate();
    Script([&](HWND w, UINT m, WPARAM wp, LPARAM lp) {
      return m == WM_MOUSEACTIVATE ? c.answer : DefWindowProcW(w, m, wp, lp);
    });
    host::Click(window, 1, 1);
    EXPECT_EQ(GetForegroundWindow() == window, c.activates) << c.answer;
    UintList buttons = Only(window, {WM_LBUTTONDOWN, WM_LBUTTONUP});
    UintList expected = c.buttonDown ? UintList{WM_LBUTTONDOWN, WM_LBUTTONUP} : UintList{WM_LBUTTONUP};
    EXPECT_EQ(buttons, expected) << c.answer;
  }
  // An active window is not asked.
  HWND window = Candidate();
  SetForegroundWindow(window);
  host::Click(window, 1, 1);
  EXPECT_TRUE(Only(window, {WM_MOUSEACTIVATE}).empty());
}

TEST_F(MouseTest, AChildAsksItsParentAndAWindowGoneMidClickGetsNoMore) {
  HWND parent = Popup({0, 0, 100, 100});
  ShowWindow(parent, SW_SHOWNA);
  HWND child = Child(parent, 5, {10, 10, 50, 50});
  Script([&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (w == parent && m == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    if (w == child && m == WM_LBUTTONDOWN) DestroyWindow(w);
    return DefWindowProcW(w, m, wp, lp);
  });
  EXPECT_TRUE(host::Click(child, 2, 2));
  EXPECT_EQ(First(parent, WM_MOUSEACTIVATE).wParam, reinterpret_cast<WPARAM>(parent));
  EXPECT_EQ(GetForegroundWindow(), nullptr);
  EXPECT_EQ(host::MessagesOf(child).back(), static_cast<UINT>(WM_NCDESTROY));  // no button-up

  ShowWindow(parent, SW_HIDE);
  HWND hidden = Child(parent, 6, {0, 0, 10, 10});
  EXPECT_FALSE(host::Click(hidden, 1, 1));
  ShowWindow(parent, SW_SHOWNA);
  EnableWindow(hidden, FALSE);
  host::ClearMessageLog(hidden);
  EXPECT_FALSE(host::Click(hidden, 1, 1));
  EXPECT_TRUE(MouseMessages(hidden).empty());
}

TEST_F(MouseTest, WheelScrollAndTouch) {
  HWND window = Candidate();
  host::SetCursorPosition(POINT{-5, 300});
  ASSERT_TRUE(host::Wheel(window, -WHEEL_DELTA));
  host::LoggedMessage wheel = First(window, WM_MOUSEWHEEL);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel.wParam), -120);
  EXPECT_EQ(static_cast<SHORT>(LOWORD(wheel.lParam)), -5);
  EXPECT_EQ(static_cast<SHORT>(HIWORD(wheel.lParam)), 300);

  ASSERT_TRUE(host::Scroll(window, SB_THUMBPOSITION, 9));
  host::LoggedMessage scroll = First(window, WM_VSCROLL);
  EXPECT_EQ(LOWORD(scroll.wParam), SB_THUMBPOSITION);
  EXPECT_EQ(HIWORD(scroll.wParam), 9);

  host::ClearMessageLog(window);
  Script([](HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return m == WM_POINTERACTIVATE ? PA_NOACTIVATE : DefWindowProcW(w, m, wp, lp);
  });
  ASSERT_TRUE(host::Tap(window, 3, 4));
  EXPECT_EQ(MouseMessages(window),
            (UintList{WM_NCHITTEST, WM_POINTERACTIVATE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_EQ(HIWORD(First(window, WM_POINTERACTIVATE).wParam), HTCLIENT);
  EXPECT_EQ(GetForegroundWindow(), nullptr);
}

TEST_F(MouseTest, CursorsSetAreLoggedAndTheClassCursorIsTheDefault) {
  HWND window = Candidate();
  host::ClearSetCursorLog();
  HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  EXPECT_EQ(SetCursor(hand), nullptr);
  EXPECT_EQ(GetCursor(), hand);
  host::MoveMouse(window, 1, 1);  // DefWindowProcW sets the class cursor (the arrow)
  std::vector<HCURSOR> log = host::SetCursorLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(host::SystemCursorId(log[0]), 32649);
  EXPECT_EQ(host::SystemCursorId(log[1]), 32512);
  EXPECT_EQ(host::SystemCursorId(nullptr), 0);
  ASSERT_TRUE(SetCursorPos(7, 8));
  POINT p{};
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 7);
}

TEST_F(MouseTest, WinEventsAreLoggedInOrder) {
  host::ClearWinEventLog();
  HWND window = Candidate();
  NotifyWinEvent(EVENT_OBJECT_IME_SHOW, window, OBJID_CLIENT, CHILDID_SELF);
  NotifyWinEvent(EVENT_OBJECT_IME_HIDE, window, OBJID_CLIENT, CHILDID_SELF);
  auto events = host::WinEventLog();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].event, static_cast<DWORD>(EVENT_OBJECT_IME_SHOW));
  EXPECT_EQ(events[1].event, static_cast<DWORD>(EVENT_OBJECT_IME_HIDE));
  EXPECT_EQ(events[0].window, window);
  EXPECT_EQ(events[0].idObject, OBJID_CLIENT);
  EXPECT_EQ(events[0].threadId, GetCurrentThreadId());
}

}  // namespace
