// Sending, posting and pumping messages, and registered messages.
#include "Platform.h"
#include "common/FailureSwitch.h"
#include "common/HostText.h"
#include "user32/AtomTable.h"
#include "user32/CursorState.h"
#include "user32/Desktop.h"
#include "user32/MessageDelivery.h"
#include "user32/MessageRetrieval.h"
#include "user32/ThreadQueues.h"

using platform::Desktop;

namespace {

// The filter window must be a window of the calling thread.
bool FilterIsValid(HWND filter) {
  if (filter == nullptr || filter == reinterpret_cast<HWND>(-1)) return true;
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(filter);
  return window && window->threadId == GetCurrentThreadId();
}

}  // namespace

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::Deliver(window, message, wParam, lParam);
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<platform::MessageQueue> queue;
  if (window == nullptr) {
    queue = platform::ThreadQueues::Instance().Current();
  } else {
    DWORD owner = Desktop::Instance().OwnerThread(window);
    if (owner == 0) return FALSE;
    queue = platform::ThreadQueues::Instance().Of(owner);
  }
  MSG posted{window, message, wParam, lParam, platform::Now(),
             platform::CursorState::Instance().Position()};
  if (!queue || !queue->Post(posted)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return TRUE;
}

void PostQuitMessage(int exitCode) { platform::ThreadQueues::Instance().Current()->PostQuit(exitCode); }

BOOL GetMessageW(LPMSG message, HWND window, UINT filterMin, UINT filterMax) {
  if (message == nullptr || !FilterIsValid(window)) {
    SetLastError(message == nullptr ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
    return -1;
  }
  std::shared_ptr<platform::MessageQueue> queue = platform::ThreadQueues::Instance().Current();
  for (;;) {
    uint64_t seen = queue->Sequence();
    if (platform::NextMessage(*queue, window, filterMin, filterMax, true, message))
      return message->message == WM_QUIT ? FALSE : TRUE;
    queue->WaitForInput(seen);
  }
}

BOOL PeekMessageW(LPMSG message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (message == nullptr || !FilterIsValid(window)) {
    SetLastError(message == nullptr ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  std::shared_ptr<platform::MessageQueue> queue = platform::ThreadQueues::Instance().Current();
  return platform::NextMessage(*queue, window, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0,
                               message)
             ? TRUE
             : FALSE;
}

LRESULT DispatchMessageW(const MSG* message) {
  if (message == nullptr || message->hwnd == nullptr) return 0;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.Find(message->hwnd);
    if (!window) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
    if (window->threadId != GetCurrentThreadId()) {
      SetLastError(ERROR_WINDOW_OF_OTHER_THREAD);
      return 0;
    }
  }
  return platform::CallProcedure(message->hwnd, message->message, message->wParam,
                                 message->lParam, true);
}

LRESULT CallWindowProcW(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  return procedure == nullptr ? 0 : procedure(window, message, wParam, lParam);
}

UINT RegisterWindowMessageW(LPCWSTR name) {
  if (name == nullptr || name[0] == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (platform::ShouldFail("RegisterWindowMessageW")) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  return platform::AtomTable::Instance().Add(
      std::u16string_view(name, platform::WideLength(name)));
}
