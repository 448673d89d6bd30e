#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Platform.h"

namespace {

struct Gate {
  std::atomic<bool> open{false};
  std::atomic<bool> ran{false};
};

DWORD WINAPI WaitAtGate(LPVOID parameter) {
  auto* gate = static_cast<Gate*>(parameter);
  while (!gate->open) std::this_thread::yield();
  gate->ran = true;
  return 0;
}

TEST(WinThread, WaitTimesOutUntilTheThreadEnds) {
  Gate gate;
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, &id);
  ASSERT_NE(thread, nullptr);
  EXPECT_NE(id, 0u);
  EXPECT_EQ(WaitForSingleObject(thread, 10), WAIT_TIMEOUT);
  gate.open = true;
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
  EXPECT_TRUE(gate.ran);
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0);
  EXPECT_TRUE(CloseHandle(thread));
}

TEST(WinThread, ClosedAndForeignHandlesFail) {
  Gate gate;
  gate.open = true;
  HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  WaitForSingleObject(thread, INFINITE);
  ASSERT_TRUE(CloseHandle(thread));
  EXPECT_FALSE(CloseHandle(thread));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_FAILED);
  int notAHandle = 0;
  EXPECT_EQ(WaitForSingleObject(&notAHandle, 0), WAIT_FAILED);
  EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
}

TEST(WinThread, ClosingARunningThreadsHandleLetsItFinish) {
  Gate gate;
  HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, nullptr);
  ASSERT_TRUE(CloseHandle(thread));
  gate.open = true;
  while (!gate.ran) std::this_thread::yield();
}

TEST(WinThread, CriticalSectionIsRecursiveForItsOwnerOnly) {
  CRITICAL_SECTION section;
  InitializeCriticalSection(&section);
  EnterCriticalSection(&section);
  EXPECT_TRUE(TryEnterCriticalSection(&section));
  BOOL other = TRUE;
  std::thread([&] { other = TryEnterCriticalSection(&section); }).join();
  EXPECT_FALSE(other);
  LeaveCriticalSection(&section);
  LeaveCriticalSection(&section);
  std::thread([&] {
    other = TryEnterCriticalSection(&section);
    if (other) LeaveCriticalSection(&section);
  }).join();
  EXPECT_TRUE(other);
  DeleteCriticalSection(&section);
}

}  // namespace
