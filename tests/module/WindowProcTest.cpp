// The candidate window's class procedure as the window system drives it.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "Platform.h"
#include "service/candidate/CBaseWindow.h"

namespace {

const char16_t kClass[] = u"LutemTest.BaseWindow";

class RecordingWindow : public CBaseWindow {
 public:
  LRESULT HandleMessage(HWND, UINT message, WPARAM, LPARAM) override {
    messages.push_back(message);
    if (message == WM_USER) throw std::runtime_error("a fault inside a handler");
    return message == WM_USER + 1 ? 42 : 0;
  }
  std::vector<UINT> messages;
};

class WindowProcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &CBaseWindow::WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClass;
    ASSERT_NE(RegisterClassW(&windowClass), 0);
  }
  void TearDown() override { UnregisterClassW(kClass, GetModuleHandleW(nullptr)); }

  HWND Create(CBaseWindow* object) {
    return CreateWindowExW(0, kClass, nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), object);
  }
};

TEST_F(WindowProcTest, TheObjectGetsEveryMessageFromWmCreateOnButTimers) {
  RecordingWindow object;
  HWND window = Create(&object);
  ASSERT_NE(window, nullptr);
  ASSERT_FALSE(object.messages.empty());
  EXPECT_EQ(object.messages.front(), static_cast<UINT>(WM_CREATE)) << "nothing before it";
  object.messages.clear();
  EXPECT_EQ(SendMessageW(window, WM_TIMER, 1, 0), 0);
  EXPECT_EQ(SendMessageW(window, WM_USER + 1, 0, 0), 42);
  EXPECT_EQ(object.messages, std::vector<UINT>{WM_USER + 1});
  EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 0) << "an exception stays inside";
  DestroyWindow(window);
}

TEST_F(WindowProcTest, AWindowWithoutAnObjectIsTheDefaultWindow) {
  HWND window = Create(nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SendMessageW(window, WM_TIMER, 1, 0), 0);
  DestroyWindow(window);
}

}  // namespace
