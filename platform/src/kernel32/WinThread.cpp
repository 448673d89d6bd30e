#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <new>
#include <thread>

#include "common/FailureSwitch.h"
#include "kernel32/HandleTable.h"
#include "kernel32/ProgramProcess.h"

namespace {

// What a thread handle refers to: shared by the handle table and the running
// thread, so closing the handle of a running thread is safe.
struct ThreadObject : platform::KernelObject {
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
};

// Thread ids are handed out once per thread, nonzero multiples of four as on
// Windows; a thread made by CreateThread learns its id before it runs.
std::atomic<DWORD> nextThreadId{4};
thread_local DWORD currentThreadId = 0;

DWORD NewThreadId() { return nextThreadId.fetch_add(4); }

std::recursive_mutex* MutexOf(LPCRITICAL_SECTION section) {
  return std::launder(reinterpret_cast<std::recursive_mutex*>(section->storage));
}

}  // namespace

HANDLE CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE startAddress,
                    LPVOID parameter, DWORD creationFlags, LPDWORD threadId) {
  if (startAddress == nullptr || creationFlags != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  try {
    auto object = std::make_shared<ThreadObject>();
    HANDLE handle = platform::HandleTable::Instance().Add(object);
    DWORD id = NewThreadId();
    // A thread belongs to the process of the thread that made it.
    std::shared_ptr<platform::ProgramProcess> process = platform::ProgramProcess::Current();
    try {
      std::thread([object, startAddress, parameter, id, process] {
        currentThreadId = id;
        if (process) platform::ProgramProcess::SetCurrent(process);
        startAddress(parameter);
        std::lock_guard<std::mutex> lock(object->mutex);
        object->done = true;
        object->finished.notify_all();
      }).detach();
    } catch (...) {
      platform::HandleTable::Instance().Remove(handle);
      throw;
    }
    if (threadId != nullptr) *threadId = id;
    return handle;
  } catch (...) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
}

DWORD GetCurrentThreadId() {
  if (currentThreadId == 0) currentThreadId = NewThreadId();
  return currentThreadId;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  auto object = platform::HandleTable::Instance().FindAs<ThreadObject>(handle);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
  }
  std::unique_lock<std::mutex> lock(object->mutex);
  auto isDone = [&] { return object->done; };
  if (milliseconds == INFINITE) {
    object->finished.wait(lock, isDone);
    return WAIT_OBJECT_0;
  }
  return object->finished.wait_for(lock, std::chrono::milliseconds(milliseconds), isDone)
             ? WAIT_OBJECT_0
             : WAIT_TIMEOUT;
}

void InitializeCriticalSection(LPCRITICAL_SECTION section) {
  new (section->storage) std::recursive_mutex();
}

BOOL InitializeCriticalSectionAndSpinCount(LPCRITICAL_SECTION section, DWORD) {
  if (platform::ShouldFail("InitializeCriticalSectionAndSpinCount")) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return FALSE;
  }
  InitializeCriticalSection(section);
  return TRUE;
}

void EnterCriticalSection(LPCRITICAL_SECTION section) { MutexOf(section)->lock(); }

void LeaveCriticalSection(LPCRITICAL_SECTION section) { MutexOf(section)->unlock(); }

BOOL TryEnterCriticalSection(LPCRITICAL_SECTION section) {
  return MutexOf(section)->try_lock() ? TRUE : FALSE;
}

void DeleteCriticalSection(LPCRITICAL_SECTION section) { MutexOf(section)->~recursive_mutex(); }
