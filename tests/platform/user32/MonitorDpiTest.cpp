#include <gtest/gtest.h>

#include <climits>
#include <thread>

#include "WindowFixture.h"
#include "host/user32/Monitors.h"

namespace {

using testwindows::WindowTest;

TEST(MulDivTest, ExactWithRoundingHalfAwayFromZero) {
  struct Case {
    int a, b, c, expected;
  };
  const Case cases[] = {
      {16, 144, 96, 24},     {148, 144, 96, 222},  {5, 144, 96, 8},       {-5, 144, 96, -8},
      {1, 1, 2, 1},          {-1, 1, 2, -1},       {1, 1, 3, 0},          {2, 1, -3, -1},
      {7, 0, 3, 0},          {7, 3, 0, -1},        {INT_MAX, 2, 2, INT_MAX},
      {INT_MAX, 2, 1, -1},   {INT_MIN, 1, 1, INT_MIN},  {INT_MIN, -1, 1, -1},
      {65536, 65536, 65536, 65536},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
}

struct MonitorDpiTest : WindowTest {
  // The primary monitor at 96 DPI and one on its left, from x = -1920, at 144.
  void TwoMonitors() {
    host::SetMonitors({{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96},
                       {{-1920, 0, 0, 1080}, {-1920, 0, 0, 1040}, 144}});
  }
  HWND AwarePopup(RECT r) {
    DPI_AWARENESS_CONTEXT previous =
        SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    HWND window = Popup(r);
    SetThreadDpiAwarenessContext(previous);
    return window;
  }
  static RECT WorkOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(GetMonitorInfoW(monitor, &info));
    return info.rcWork;
  }
};

TEST_F(MonitorDpiTest, MonitorsAreFoundByPointRectAndWindowWithTheNearestRule) {
  TwoMonitors();
  HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTONULL);
  HMONITOR left = MonitorFromPoint(POINT{-1, 500}, MONITOR_DEFAULTTONULL);
  ASSERT_NE(primary, nullptr);
  ASSERT_NE(left, nullptr);
  EXPECT_NE(primary, left);
  EXPECT_EQ(WorkOf(left).left, -1920);
  EXPECT_EQ(WorkOf(primary).bottom, 1040);

  // Off every monitor: nearest, primary or nothing, as asked.
  EXPECT_EQ(MonitorFromPoint(POINT{-2500, 2000}, MONITOR_DEFAULTTONEAREST), left);
  EXPECT_EQ(MonitorFromPoint(POINT{5000, -10}, MONITOR_DEFAULTTONEAREST), primary);
  EXPECT_EQ(MonitorFromPoint(POINT{-2500, 2000}, MONITOR_DEFAULTTOPRIMARY), primary);
  EXPECT_EQ(MonitorFromPoint(POINT{-2500, 2000}, MONITOR_DEFAULTTONULL), nullptr);

  RECT mostlyLeft{-300, 10, 100, 50};
  EXPECT_EQ(MonitorFromRect(&mostlyLeft, MONITOR_DEFAULTTONULL), left);
  HWND window = Popup({-100, 10, 400, 50});
  EXPECT_EQ(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), primary);

  MONITORINFOEXW extended{};
  extended.cbSize = sizeof(extended);
  ASSERT_TRUE(GetMonitorInfoW(primary, &extended));
  EXPECT_EQ(extended.dwFlags, static_cast<DWORD>(MONITORINFOF_PRIMARY));
  EXPECT_EQ(std::u16string(extended.szDevice), u"\\\\.\\DISPLAY1");
  MONITORINFO wrongSize{};
  wrongSize.cbSize = 12;
  EXPECT_FALSE(GetMonitorInfoW(primary, &wrongSize));

  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(work.left, 0);
  EXPECT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), -1920);
  EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 3840);
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);

  host::FailCall("MonitorFromPoint");
  EXPECT_EQ(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTONEAREST), nullptr);
  host::FailCall("GetMonitorInfoW");
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_FALSE(GetMonitorInfoW(primary, &info));
}

TEST_F(MonitorDpiTest, ThreadContextsAreTheThreadsOwnAndComeBackAsValuesOfTheirOwn) {
  EXPECT_EQ(host::ThreadDpiAwareness(GetCurrentThreadId()), host::DpiAwareness::Unaware);
  DPI_AWARENESS_CONTEXT previous =
      SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  ASSERT_NE(previous, nullptr);
  EXPECT_NE(previous, DPI_AWARENESS_CONTEXT_UNAWARE);  // as on Windows: compare, do not ==
  EXPECT_TRUE(AreDpiAwarenessContextsEqual(previous, DPI_AWARENESS_CONTEXT_UNAWARE));
  EXPECT_EQ(host::ThreadDpiAwareness(GetCurrentThreadId()), host::DpiAwareness::PerMonitorV2);
  EXPECT_TRUE(AreDpiAwarenessContextsEqual(GetThreadDpiAwarenessContext(),
                                           DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2));
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
            DPI_AWARENESS_PER_MONITOR_AWARE);

  std::thread([] {
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_UNAWARE);
  }).join();

  EXPECT_EQ(SetThreadDpiAwarenessContext(reinterpret_cast<DPI_AWARENESS_CONTEXT>(42)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  // Putting the old value back restores it.
  SetThreadDpiAwarenessContext(previous);
  EXPECT_EQ(host::ThreadDpiAwareness(GetCurrentThreadId()), host::DpiAwareness::Unaware);

  host::SetProcessDpiAwareness(host::DpiAwareness::SystemAware);
  std::thread([] {
    EXPECT_EQ(host::ThreadDpiAwareness(GetCurrentThreadId()), host::DpiAwareness::SystemAware);
  }).join();
}

TEST_F(MonitorDpiTest, AWindowsDpiFollowsItsAwarenessAndMonitor) {
  TwoMonitors();
  HWND unaware = Popup({-500, 0, -400, 100});
  HWND aware = AwarePopup({-500, 0, -400, 100});
  EXPECT_EQ(GetDpiForWindow(unaware), 96u);
  EXPECT_EQ(GetDpiForWindow(aware), 144u);
  EXPECT_EQ(host::WindowDpiAwareness(aware), host::DpiAwareness::PerMonitorV2);
  HWND child = Child(aware, 1, {0, 0, 10, 10});
  EXPECT_EQ(GetDpiForWindow(child), 96u);  // made on an unaware thread

  host::SetProcessDpiAwareness(host::DpiAwareness::SystemAware);
  HWND system = Popup({-500, 0, -400, 100});
  EXPECT_EQ(GetDpiForWindow(system), 96u);  // the primary monitor's
  EXPECT_EQ(GetDpiForWindow(reinterpret_cast<HWND>(0x77)), 0u);
}

TEST_F(MonitorDpiTest, MovingToAMonitorOfAnotherDpiSendsDpiChangedOnce) {
  TwoMonitors();
  HWND aware = AwarePopup({100, 100, 300, 200});
  HWND unaware = Popup({100, 100, 300, 200});
  UINT dpiInsideHandler = 0;
  Script([&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_DPICHANGED) {
      dpiInsideHandler = GetDpiForWindow(w);
      const RECT* r = reinterpret_cast<const RECT*>(lp);
      SetWindowPos(w, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    return DefWindowProcW(w, m, wp, lp);
  });
  for (HWND window : {aware, unaware})
    SetWindowPos(window, nullptr, -1000, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  EXPECT_TRUE(Only(unaware, {WM_DPICHANGED}).empty());
  std::vector<host::LoggedMessage> changes;
  for (const auto& m : host::MessageLog(aware))
    if (m.message == WM_DPICHANGED) changes.push_back(m);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(HIWORD(changes[0].wParam), 144);
  EXPECT_EQ(LOWORD(changes[0].wParam), 144);
  RECT expected{-1000, 100, -700, 250};  // 200 x 100 at 96 DPI is 300 x 150 at 144
  EXPECT_TRUE(EqualRect(&changes[0].rect, &expected));
  EXPECT_EQ(dpiInsideHandler, 144u);
  RECT now{};
  GetWindowRect(aware, &now);
  EXPECT_TRUE(EqualRect(&now, &expected));

  // The user changes the scale of the monitor the window is on.
  host::ClearMessageLog(aware);
  host::SetMonitorDpi(1, 192);
  ASSERT_EQ(Only(aware, {WM_DPICHANGED}).size(), 1u);
  EXPECT_EQ(GetDpiForWindow(aware), 192u);
  EXPECT_EQ(host::DescribeWindow(aware)->dpi, 192u);
}

}  // namespace
