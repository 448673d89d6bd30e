#include <gtest/gtest.h>

#include <thread>

#include "WindowFixture.h"

namespace {

using testwindows::WindowTest;
using UintList = std::vector<UINT>;

struct WindowLifecycleTest : WindowTest {};

TEST_F(WindowLifecycleTest, CreationSendsNcCreateAndCreateWithTheParameterBeforeReturning) {
  int object = 0;
  LPVOID seenByNcCreate = nullptr;
  LPVOID seenByCreate = nullptr;
  Script([&](HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_NCCREATE) seenByNcCreate = reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams;
    if (m == WM_CREATE) {
      seenByCreate = reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams;
      SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(seenByCreate));
    }
    return DefWindowProcW(w, m, wp, lp);
  });
  HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                                testwindows::kClassName, u"Title", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, testwindows::kInstance, &object);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(seenByNcCreate, &object);
  EXPECT_EQ(seenByCreate, &object);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&object));
  EXPECT_EQ(host::MessagesOf(window), (UintList{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}));
  // DefWindowProcW took the title at WM_NCCREATE; the window starts hidden.
  WCHAR title[16];
  EXPECT_EQ(GetWindowTextW(window, title, 16), 5);
  EXPECT_EQ(std::u16string(title), u"Title");
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(WindowLifecycleTest, RefusedOrFailedCreationGivesNoWindow) {
  struct Refusal {
    UINT message;
    LRESULT answer;
  };
  for (Refusal refusal : {Refusal{WM_NCCREATE, FALSE}, Refusal{WM_CREATE, -1}}) {
    HWND made = nullptr;
    Script([&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
      made = w;
      return m == refusal.message ? refusal.answer : DefWindowProcW(w, m, wp, lp);
    });
    EXPECT_EQ(Popup({0, 0, 10, 10}), nullptr) << refusal.message;
    EXPECT_FALSE(IsWindow(made));
    EXPECT_EQ(host::MessagesOf(made).back(), static_cast<UINT>(WM_NCDESTROY));
  }
  // A window that destroys itself while it is being made.
  Script([&](HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_CREATE) DestroyWindow(w);
    return DefWindowProcW(w, m, wp, lp);
  });
  EXPECT_EQ(Popup({0, 0, 10, 10}), nullptr);
  Script(nullptr);

  host::FailCall("CreateWindowExW");
  EXPECT_EQ(Popup({0, 0, 10, 10}), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  EXPECT_EQ(CreateWindowExW(0, u"No.Such.Class", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                            testwindows::kInstance, nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
  EXPECT_EQ(CreateWindowExW(0, testwindows::kClassName, nullptr, WS_CHILD, 0, 0, 1, 1, nullptr,
                            nullptr, testwindows::kInstance, nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD));
  EXPECT_TRUE(host::Windows().empty());
}

TEST_F(WindowLifecycleTest, DestructionOrderAndTheHandleAfterwards) {
  HWND parent = Popup({0, 0, 100, 100});
  HWND child = Child(parent, 1, {0, 0, 10, 10});
  HWND owned = Popup({0, 0, 10, 10}, 0, child);  // owned by child's top-level window
  std::vector<std::pair<HWND, UINT>> order;
  Script([&](HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DESTROY || m == WM_NCDESTROY) order.emplace_back(w, m);
    return DefWindowProcW(w, m, wp, lp);
  });
  ASSERT_TRUE(DestroyWindow(parent));
  std::vector<std::pair<HWND, UINT>> expected{{owned, WM_DESTROY},  {owned, WM_NCDESTROY},
                                              {parent, WM_DESTROY}, {child, WM_DESTROY},
                                              {child, WM_NCDESTROY}, {parent, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  for (HWND gone : {parent, child, owned}) EXPECT_FALSE(IsWindow(gone));
  SetLastError(0);
  EXPECT_EQ(SendMessageW(parent, WM_USER, 0, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_FALSE(DestroyWindow(parent));
  // The log outlives the window.
  EXPECT_EQ(host::MessagesOf(parent).back(), static_cast<UINT>(WM_NCDESTROY));
}

TEST_F(WindowLifecycleTest, AWindowMayDestroyItselfFromItsOwnHandler) {
  HWND window = Popup({0, 0, 10, 10});
  ShowWindow(window, SW_SHOWNA);
  bool stillValidInside = false;
  bool validAfterDestroy = true;
  Script([&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_USER) {
      stillValidInside = IsWindow(w);
      DestroyWindow(w);
      validAfterDestroy = IsWindow(w);
      return 7;
    }
    return DefWindowProcW(w, m, wp, lp);
  });
  EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 7);
  EXPECT_TRUE(stillValidInside);
  EXPECT_FALSE(validAfterDestroy);
  // A visible window is hidden on its way out.
  UintList tail = Only(window, {WM_WINDOWPOSCHANGED, WM_DESTROY, WM_NCDESTROY});
  EXPECT_EQ(tail, (UintList{WM_WINDOWPOSCHANGED, WM_WINDOWPOSCHANGED, WM_DESTROY, WM_NCDESTROY}));
  EXPECT_TRUE(host::MessageLog(window)[host::MessageLog(window).size() - 3].windowPos.flags &
              SWP_HIDEWINDOW);
}

TEST_F(WindowLifecycleTest, OnlyTheCreatingThreadDestroysAndItsWindowsGoWithIt) {
  HWND window = Popup({0, 0, 10, 10});
  HWND madeByOther = nullptr;
  std::thread other([&] {
    SetLastError(0);
    EXPECT_FALSE(DestroyWindow(window));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    madeByOther = Popup({0, 0, 5, 5});
    EXPECT_TRUE(IsWindow(madeByOther));
  });
  other.join();
  EXPECT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindow(madeByOther));
}

TEST_F(WindowLifecycleTest, AClassWithWindowsCannotBeUnregistered) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = testwindows::kInstance;
  wc.lpszClassName = u"Test.InUse";
  ASSERT_NE(RegisterClassW(&wc), 0);
  HWND window = CreateWindowExW(0, u"Test.InUse", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                testwindows::kInstance, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(UnregisterClassW(u"Test.InUse", testwindows::kInstance));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
  DestroyWindow(window);
  EXPECT_TRUE(UnregisterClassW(u"Test.InUse", testwindows::kInstance));
}

}  // namespace
