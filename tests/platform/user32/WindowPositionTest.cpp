#include <gtest/gtest.h>

#include "WindowFixture.h"
#include "host/user32/MessagePump.h"

namespace {

using testwindows::WindowTest;
using UintList = std::vector<UINT>;

struct WindowPositionTest : WindowTest {
  // The flags of the last WM_WINDOWPOSCHANGED the window received.
  static UINT LastPosFlags(HWND window) {
    auto log = host::MessageLog(window);
    for (auto it = log.rbegin(); it != log.rend(); ++it)
      if (it->message == WM_WINDOWPOSCHANGED) return it->windowPos.flags;
    return 0;
  }
};

constexpr UINT kShowNaFlags =
    SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

TEST_F(WindowPositionTest, ShowingAndHidingReportWhatChanged) {
  HWND window = Popup({10, 10, 50, 50}, WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  host::ClearMessageLog(window);
  EXPECT_FALSE(ShowWindow(window, SW_SHOWNA));  // was hidden
  EXPECT_EQ(host::MessagesOf(window),
            (UintList{WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}));
  EXPECT_EQ(host::MessageLog(window)[0].wParam, static_cast<WPARAM>(TRUE));
  EXPECT_EQ(LastPosFlags(window), kShowNaFlags);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetForegroundWindow(), nullptr);  // SW_SHOWNA never activates

  host::ClearMessageLog(window);
  EXPECT_TRUE(ShowWindow(window, SW_SHOWNA));  // already visible: nothing to say
  EXPECT_TRUE(host::MessagesOf(window).empty());

  EXPECT_TRUE(ShowWindow(window, SW_HIDE));
  EXPECT_EQ(host::MessageLog(window)[0].message, static_cast<UINT>(WM_SHOWWINDOW));
  EXPECT_EQ(host::MessageLog(window)[0].wParam, static_cast<WPARAM>(FALSE));
  EXPECT_TRUE(LastPosFlags(window) & SWP_HIDEWINDOW);
  EXPECT_FALSE(IsWindowVisible(window));
  host::ClearMessageLog(window);
  EXPECT_FALSE(ShowWindow(window, SW_HIDE));
  EXPECT_TRUE(host::MessagesOf(window).empty());

  EXPECT_FALSE(ShowWindow(window, SW_SHOW));  // this one activates
  EXPECT_EQ(GetForegroundWindow(), window);
  EXPECT_FALSE(LastPosFlags(window) & SWP_NOACTIVATE);
}

TEST_F(WindowPositionTest, MovesAndSizesCarryTheFlagsActuallyApplied) {
  HWND window = Popup({10, 20, 110, 70});
  struct Case {
    int x, y, cx, cy;
    UINT flags;
    UINT expectedFlags;
    RECT expectedRect;
    UintList sizeAndMove;
  };
  const Case cases[] = {
      // A move to the same place still reports, with SWP_NOMOVE added.
      {10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE,
       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE, {10, 20, 110, 70}, {}},
      {30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE,
       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE, {30, 40, 130, 90}, {WM_MOVE}},
      // Given the same size, SWP_NOSIZE is added.
      {0, 0, 100, 50, SWP_NOZORDER | SWP_NOACTIVATE,
       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE, {0, 0, 100, 50}, {WM_MOVE}},
      {0, 0, 70, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE,
       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE, {0, 0, 70, 60}, {WM_SIZE}},
  };
  for (const Case& c : cases) {
    host::ClearMessageLog(window);
    ASSERT_TRUE(SetWindowPos(window, nullptr, c.x, c.y, c.cx, c.cy, c.flags));
    EXPECT_EQ(LastPosFlags(window), c.expectedFlags) << c.x << "," << c.y;
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_TRUE(EqualRect(&r, &c.expectedRect)) << r.left << "," << r.top << "," << r.right;
    EXPECT_EQ(Only(window, {WM_SIZE, WM_MOVE}), c.sizeAndMove);
  }
  // MoveWindow is SetWindowPos without z-order or activation.
  host::ClearMessageLog(window);
  EXPECT_TRUE(MoveWindow(window, 5, 6, 20, 30, TRUE));
  EXPECT_EQ(LastPosFlags(window), static_cast<UINT>(SWP_NOZORDER | SWP_NOACTIVATE));
  EXPECT_EQ(host::MessageLog(window).back().message, static_cast<UINT>(WM_MOVE));
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 20);
  EXPECT_EQ(client.bottom, 30);
}

TEST_F(WindowPositionTest, TheChangingHandlerHasTheLastWord) {
  HWND window = Popup({0, 0, 10, 10});
  Script([](HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(lp)->x = 99;
    return DefWindowProcW(w, m, wp, lp);
  });
  SetWindowPos(window, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 99);
  EXPECT_EQ(r.top, 5);
}

TEST_F(WindowPositionTest, ClientAreasAndCoordinates) {
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT wanted{100, 200, 400, 350};  // the client area we want on screen
  RECT outer = wanted;
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  EXPECT_EQ(outer.left, 100 - 3);
  EXPECT_EQ(outer.top, 200 - 3 - 23);
  HWND dialog = CreateWindowExW(0, testwindows::kClassName, u"d", style, outer.left, outer.top,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                nullptr, testwindows::kInstance, nullptr);
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 150);
  POINT corner{0, 0};
  ClientToScreen(dialog, &corner);
  EXPECT_EQ(corner.x, 100);
  EXPECT_EQ(corner.y, 200);

  // A child is placed in its parent's client coordinates.
  HWND child = Child(dialog, 7, {10, 20, 60, 40}, WS_BORDER | WS_VSCROLL);
  RECT childRect{};
  GetWindowRect(child, &childRect);
  EXPECT_EQ(childRect.left, 110);
  EXPECT_EQ(childRect.top, 220);
  GetClientRect(child, &client);
  EXPECT_EQ(client.right, 50 - 2 - 17);  // less the border and the scroll bar
  POINT screen{115, 225};
  ScreenToClient(child, &screen);
  EXPECT_EQ(screen.x, 4);
  EXPECT_EQ(screen.y, 4);
  POINT points[2] = {{0, 0}, {1, 1}};
  int offsets = MapWindowPoints(child, dialog, points, 2);
  EXPECT_EQ(points[1].x, 12);
  EXPECT_EQ(points[1].y, 22);
  EXPECT_EQ(static_cast<SHORT>(LOWORD(offsets)), 11);
  EXPECT_EQ(static_cast<SHORT>(HIWORD(offsets)), 21);
  SetLastError(0);
  EXPECT_EQ(MapWindowPoints(reinterpret_cast<HWND>(0x1234), nullptr, points, 1), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(WindowPositionTest, VisibilityAndEnablingFollowTheParent) {
  HWND parent = Popup({0, 0, 100, 100});
  HWND child = Child(parent, 1, {0, 0, 10, 10});
  EXPECT_FALSE(IsWindowVisible(child));  // WS_VISIBLE, but the parent is hidden
  ShowWindow(parent, SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(child));

  host::ClearMessageLog(parent);
  EXPECT_FALSE(EnableWindow(parent, FALSE));  // was enabled
  EXPECT_EQ(host::MessagesOf(parent), (UintList{WM_ENABLE}));
  EXPECT_FALSE(IsWindowEnabled(child));
  EXPECT_TRUE(EnableWindow(parent, FALSE));  // already disabled: no message
  EXPECT_EQ(host::MessagesOf(parent).size(), 1u);
  EXPECT_TRUE(EnableWindow(parent, TRUE));
  EXPECT_TRUE(IsWindowEnabled(child));
}

TEST_F(WindowPositionTest, TopmostWindowsStayAboveTheRest) {
  HWND topmost = Popup({0, 0, 1, 1}, WS_EX_TOPMOST);
  HWND later = Popup({0, 0, 1, 1});
  std::vector<HWND> order;
  for (const auto& info : host::Windows()) order.push_back(info.window);
  EXPECT_EQ(order, (std::vector<HWND>{topmost, later}));
  SetWindowPos(later, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(host::Windows().front().window, later);
  EXPECT_TRUE(GetWindowLongPtrW(later, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(WindowPositionTest, InvalidatedWindowsArePaintedOncePerInvalidation) {
  HWND window = Popup({0, 0, 40, 40});
  ShowWindow(window, SW_SHOWNA);
  host::PumpMessages();  // the first paint after showing
  host::ClearMessageLog(window);

  RECT part{1, 2, 3, 4};
  InvalidateRect(window, &part, TRUE);
  InvalidateRect(window, nullptr, FALSE);
  auto invalidations = host::InvalidationLog(window);
  ASSERT_EQ(invalidations.size(), 2u);
  EXPECT_TRUE(EqualRect(&invalidations[0].rect, &part));
  EXPECT_TRUE(invalidations[0].erase);
  EXPECT_EQ(invalidations[1].rect.right, 40);
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(window, &update, FALSE));
  EXPECT_EQ(host::PumpMessages(), 1);
  EXPECT_EQ(host::MessagesOf(window), (UintList{WM_PAINT}));
  EXPECT_FALSE(GetUpdateRect(window, &update, FALSE));  // DefWindowProcW validated

  // A procedure that never validates is not asked again until invalidated.
  Script([](HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return m == WM_PAINT ? 0 : DefWindowProcW(w, m, wp, lp);
  });
  InvalidateRect(window, nullptr, FALSE);
  EXPECT_EQ(host::PumpMessages(), 1);
  EXPECT_EQ(host::PumpMessages(), 0);
  // Hidden windows are not painted.
  ShowWindow(window, SW_HIDE);
  InvalidateRect(window, nullptr, FALSE);
  EXPECT_EQ(host::PumpMessages(), 0);
}

}  // namespace
