// A desktop emptied before and after each test, one window class whose
// procedure a test can script, and helpers to make windows of it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/user32/Desktop.h"
#include "host/user32/MessageLog.h"

namespace testwindows {

using Handler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// What the scripted procedure does for a message: the handler's answer, or
// DefWindowProcW's when no handler is set.
inline Handler& CurrentHandler() {
  static Handler handler;
  return handler;
}

inline LRESULT CALLBACK ScriptedProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  if (CurrentHandler()) return CurrentHandler()(window, message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

inline const HINSTANCE kInstance = reinterpret_cast<HINSTANCE>(0x600000);
inline constexpr const WCHAR* kClassName = u"Test.Scripted";

struct WindowTest : ::testing::Test {
  void SetUp() override {
    host::ResetDesktop();
    CurrentHandler() = nullptr;
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ScriptedProcedure;
    wc.cbWndExtra = 2 * sizeof(LONG_PTR);
    wc.hInstance = kInstance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    WNDCLASSW existing{};
    if (!GetClassInfoW(kInstance, kClassName, &existing)) {
      ASSERT_NE(RegisterClassW(&wc), 0);
    }
  }
  void TearDown() override {
    CurrentHandler() = nullptr;
    host::ResetDesktop();
    host::ClearFailures();
  }

  // Whatever the test's handler does not answer goes to DefWindowProcW.
  void Script(Handler handler) { CurrentHandler() = std::move(handler); }

  HWND Popup(RECT r, DWORD exStyle = 0, HWND owner = nullptr, LPVOID param = nullptr) {
    return CreateWindowExW(exStyle, kClassName, u"popup", WS_POPUP, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, owner, nullptr, kInstance, param);
  }
  HWND Child(HWND parent, int id, RECT r, DWORD style = 0) {
    return CreateWindowExW(0, kClassName, u"child", WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), kInstance, nullptr);
  }

  // The logged messages of a window from the given numbers only.
  static std::vector<UINT> Only(HWND window, std::initializer_list<UINT> wanted) {
    std::vector<UINT> kept;
    for (UINT m : host::MessagesOf(window))
      if (std::find(wanted.begin(), wanted.end(), m) != wanted.end()) kept.push_back(m);
    return kept;
  }
};

}  // namespace testwindows
