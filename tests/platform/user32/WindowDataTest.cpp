#include <gtest/gtest.h>

#include "WindowFixture.h"

namespace {

using testwindows::WindowTest;

struct WindowDataTest : WindowTest {};

LRESULT CALLBACK Subclass(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return m == WM_USER ? 42 : DefWindowProcW(w, m, wp, lp);
}

TEST_F(WindowDataTest, LongValuesAndExtraBytes) {
  HWND window = Popup({0, 0, 10, 10});
  EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, 5), 0);
  EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, 6), 5);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), 6);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_HINSTANCE),
            reinterpret_cast<LONG_PTR>(testwindows::kInstance));
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_POPUP, static_cast<LONG_PTR>(WS_POPUP));

  // The class asked for two pointers of extra bytes: offsets 0 and 8 fit, 9 does not.
  EXPECT_EQ(SetWindowLongPtrW(window, sizeof(LONG_PTR), -3), 0);
  EXPECT_EQ(GetWindowLongPtrW(window, sizeof(LONG_PTR)), -3);
  SetLastError(0);
  EXPECT_EQ(GetWindowLongPtrW(window, sizeof(LONG_PTR) + 1), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
  EXPECT_EQ(GetWindowLongPtrW(window, -100), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));

  // Subclassing: the new procedure answers from now on.
  auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
  EXPECT_EQ(previous, &testwindows::ScriptedProcedure);
  EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 42);
  EXPECT_EQ(CallWindowProcW(previous, window, WM_USER, 0, 0), 0);

  DestroyWindow(window);
  SetLastError(0);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(WindowDataTest, TextParentsOwnersAndControlIds) {
  HWND dialog = CreateWindowExW(0, testwindows::kClassName, u"Dialog", WS_POPUP | WS_CAPTION, 0,
                                0, 200, 100, nullptr, nullptr, testwindows::kInstance, nullptr);
  HWND button = Child(dialog, 1001, {10, 10, 50, 30});
  HWND owned = Popup({0, 0, 10, 10}, 0, button);
  HWND overlapped = CreateWindowExW(0, testwindows::kClassName, u"Main", WS_OVERLAPPED, 0, 0, 10,
                                    10, nullptr, nullptr, testwindows::kInstance, nullptr);

  EXPECT_TRUE(SetWindowTextW(button, u"Close"));
  WCHAR text[4];
  EXPECT_EQ(GetWindowTextW(button, text, 4), 3);  // cut to the buffer
  EXPECT_EQ(std::u16string(text), u"Clo");
  EXPECT_EQ(GetWindowTextLengthW(button), 5);
  WCHAR className[32];
  EXPECT_EQ(GetClassNameW(button, className, 32), 13);
  EXPECT_EQ(std::u16string(className), testwindows::kClassName);

  EXPECT_EQ(GetParent(button), dialog);
  EXPECT_EQ(GetParent(owned), dialog);  // a pop-up's owner is a top-level window
  EXPECT_EQ(GetParent(dialog), nullptr);
  EXPECT_EQ(GetParent(overlapped), nullptr);
  EXPECT_EQ(GetDlgItem(dialog, 1001), button);
  EXPECT_EQ(GetDlgCtrlID(button), 1001);
  EXPECT_EQ(GetDlgItem(dialog, 1002), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CONTROL_ID_NOT_FOUND));
}

TEST_F(WindowDataTest, FindWindowSearchesTopLevelWindowsFromTheTop) {
  HWND lower = CreateWindowExW(0, testwindows::kClassName, u"Lutem Settings", WS_POPUP, 0, 0, 1, 1,
                               nullptr, nullptr, testwindows::kInstance, nullptr);
  HWND upper = Popup({0, 0, 1, 1});
  Child(upper, 3, {0, 0, 1, 1});  // titled "child": children are never found

  EXPECT_EQ(FindWindowW(testwindows::kClassName, nullptr), upper);
  EXPECT_EQ(FindWindowW(u"TEST.SCRIPTED", nullptr), upper);
  EXPECT_EQ(FindWindowW(nullptr, u"lutem settings"), lower);
  EXPECT_EQ(FindWindowW(testwindows::kClassName, u"Lutem Settings"), lower);
  EXPECT_EQ(FindWindowW(nullptr, u"child"), nullptr);
  EXPECT_EQ(FindWindowW(u"Other.Class", nullptr), nullptr);
  WNDCLASSW info{};
  ATOM atom = static_cast<ATOM>(GetClassInfoW(testwindows::kInstance, testwindows::kClassName, &info));
  EXPECT_EQ(FindWindowW(MAKEINTATOM(atom), u"popup"), upper);

  // Raising the lower window puts it first.
  SetWindowPos(lower, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(FindWindowW(testwindows::kClassName, nullptr), lower);
}

TEST_F(WindowDataTest, ThreadAndProcessOfAWindow) {
  HWND window = Popup({0, 0, 1, 1});
  DWORD process = 0;
  EXPECT_EQ(GetWindowThreadProcessId(window, &process), GetCurrentThreadId());
  EXPECT_NE(process, 0u);
  EXPECT_NE(GetCurrentThreadId(), 0u);
}

}  // namespace
