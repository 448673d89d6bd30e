#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "WindowFixture.h"
#include "host/user32/MessagePump.h"

namespace {

using testwindows::WindowTest;
using UintList = std::vector<UINT>;

struct MessageQueueTest : WindowTest {};

TEST_F(MessageQueueTest, PostedMessagesWaitForThePumpInOrderAndDieWithTheirWindow) {
  HWND first = Popup({0, 0, 1, 1});
  HWND second = Popup({0, 0, 1, 1});
  host::ClearMessageLog(first);
  ASSERT_TRUE(PostMessageW(first, WM_USER + 1, 11, 0));
  ASSERT_TRUE(PostMessageW(second, WM_USER + 2, 0, 0));
  ASSERT_TRUE(PostMessageW(first, WM_USER + 3, 0, 0));
  EXPECT_TRUE(host::MessagesOf(first).empty());  // nothing runs before the pump

  DestroyWindow(second);
  EXPECT_EQ(host::PumpMessages(), 2);  // second's message is dropped
  auto log = host::MessageLog(first);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].message, static_cast<UINT>(WM_USER + 1));
  EXPECT_EQ(log[0].wParam, 11u);
  EXPECT_TRUE(log[0].posted);
  EXPECT_EQ(log[1].message, static_cast<UINT>(WM_USER + 3));

  SetLastError(0);
  EXPECT_FALSE(PostMessageW(second, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(MessageQueueTest, GetAndPeekFollowTheFiltersAndQuitComesLast) {
  HWND window = Popup({0, 0, 1, 1});
  PostMessageW(window, WM_USER + 5, 0, 0);
  PostMessageW(nullptr, WM_APP, 1, 2);  // a thread message
  PostQuitMessage(3);

  MSG message{};
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
  EXPECT_EQ(message.hwnd, nullptr);
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_APP, WM_APP, PM_REMOVE));
  // No thread message is left; WM_QUIT ignores the filter.
  ASSERT_TRUE(PeekMessageW(&message, reinterpret_cast<HWND>(-1), 0, 0, PM_NOREMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
  ASSERT_EQ(GetMessageW(&message, window, 0, 0), TRUE);
  EXPECT_EQ(message.message, static_cast<UINT>(WM_USER + 5));
  EXPECT_EQ(DispatchMessageW(&message), 0);
  EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), FALSE);
  EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(message.wParam, 3u);
  EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(GetMessageW(&message, reinterpret_cast<HWND>(0x4321), 0, 0), -1);
}

TEST_F(MessageQueueTest, TheHostPumpLeavesQuitForTheThreadsOwnLoop) {
  HWND window = Popup({0, 0, 1, 1});
  PostMessageW(window, WM_USER, 0, 0);
  PostQuitMessage(0);
  EXPECT_EQ(host::PumpMessages(), 1);
  MSG message{};
  EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), FALSE);
}

TEST_F(MessageQueueTest, RegisteredMessagesAreOneNumberPerName) {
  UINT theme = RegisterWindowMessageW(u"LutemNativeThemeUpdateMsg");
  EXPECT_GE(theme, 0xC000u);
  EXPECT_EQ(RegisterWindowMessageW(u"lutemnativethemeupdatemsg"), theme);
  UINT fromOtherThread = 0;
  std::thread([&] { fromOtherThread = RegisterWindowMessageW(u"LutemNativeThemeUpdateMsg"); })
      .join();
  EXPECT_EQ(fromOtherThread, theme);
  EXPECT_NE(RegisterWindowMessageW(u"Another.Message"), theme);
  EXPECT_EQ(RegisterWindowMessageW(u""), 0u);
  EXPECT_EQ(RegisterWindowMessageW(nullptr), 0u);
  host::FailCall("RegisterWindowMessageW");
  EXPECT_EQ(RegisterWindowMessageW(u"LutemNativeThemeUpdateMsg"), 0u);
  EXPECT_EQ(RegisterWindowMessageW(u"LutemNativeThemeUpdateMsg"), theme);
}

// A thread that makes a window and runs a message loop until WM_QUIT; its
// window goes when the thread ends.
struct LoopThread {
  explicit LoopThread(testwindows::WindowTest& test) {
    thread = std::thread([this, &test] {
      threadId = GetCurrentThreadId();
      window = test.Popup({0, 0, 1, 1});
      ready = true;
      MSG message{};
      while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    });
    while (!ready) std::this_thread::yield();
  }
  // The window's procedure answers WM_USER + 99 with PostQuitMessage.
  void Stop() {
    SendMessageW(window, WM_USER + 99, 0, 0);
    thread.join();
  }

  std::thread thread;
  std::atomic<bool> ready{false};
  DWORD threadId = 0;
  HWND window = nullptr;
};

TEST_F(MessageQueueTest, MessagesSentToAnotherThreadRunThereAndAnswerBack) {
  HWND mine = Popup({0, 0, 1, 1});
  std::atomic<DWORD> ranOn{0};
  std::atomic<LRESULT> nestedAnswer{0};
  std::atomic<DWORD> postedRanOn{0};
  Script([&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_USER + 1) {
      ranOn = GetCurrentThreadId();
      // Sending back to the waiting thread's window does not deadlock: the
      // waiting sender answers it.
      nestedAnswer = SendMessageW(mine, WM_USER + 2, 0, 0);
      return 77;
    }
    if (m == WM_USER + 2) return static_cast<LRESULT>(GetCurrentThreadId());
    if (m == WM_USER + 3) postedRanOn = GetCurrentThreadId();
    if (m == WM_USER + 99) {
      PostQuitMessage(0);
      return 0;
    }
    return DefWindowProcW(w, m, wp, lp);
  });
  LoopThread loop(*this);
  EXPECT_EQ(SendMessageW(loop.window, WM_USER + 1, 0, 0), 77);
  EXPECT_EQ(ranOn, loop.threadId);
  EXPECT_EQ(nestedAnswer, static_cast<LRESULT>(GetCurrentThreadId()));

  // Posting from here queues on the window's own thread.
  PostMessageW(loop.window, WM_USER + 3, 0, 0);
  for (int i = 0; i < 5000 && postedRanOn == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_EQ(postedRanOn, loop.threadId);
  HWND theirs = loop.window;
  loop.Stop();
  EXPECT_FALSE(IsWindow(theirs));
}

TEST_F(MessageQueueTest, SendingToAThreadThatEndedReturnsZero) {
  HWND theirs = nullptr;
  std::thread([&] { theirs = Popup({0, 0, 1, 1}); }).join();
  EXPECT_FALSE(IsWindow(theirs));  // its windows went with the thread
  EXPECT_EQ(SendMessageW(theirs, WM_USER, 0, 0), 0);
}

}  // namespace
