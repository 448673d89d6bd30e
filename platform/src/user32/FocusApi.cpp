// SetFocus and GetFocus (platform/user32/WinFocus.h).
#include <map>
#include <mutex>

#include "Platform.h"
#include "user32/Desktop.h"
#include "user32/Focus.h"
#include "user32/MessageDelivery.h"

namespace {

std::mutex lock;
std::map<DWORD, HWND>& FocusOfThreads() {
  static auto* focus = new std::map<DWORD, HWND>;
  return *focus;
}

}  // namespace

namespace platform {

HWND FocusOfThread(DWORD threadId) {
  std::lock_guard<std::mutex> hold(lock);
  auto found = FocusOfThreads().find(threadId);
  if (found == FocusOfThreads().end()) return nullptr;
  if (!IsWindow(found->second)) found->second = nullptr;
  return found->second;
}

}  // namespace platform

HWND GetFocus() { return platform::FocusOfThread(GetCurrentThreadId()); }

HWND SetFocus(HWND window) {
  if (window != nullptr) {
    platform::Desktop& desktop = platform::Desktop::Instance();
    auto hold = desktop.Hold();
    auto target = desktop.FindOrFail(window);
    if (!target) return nullptr;
    if (target->threadId != GetCurrentThreadId()) {
      SetLastError(ERROR_ACCESS_DENIED);
      return nullptr;
    }
  }
  HWND previous = GetFocus();
  if (previous == window) return previous;
  {
    std::lock_guard<std::mutex> hold(lock);
    FocusOfThreads()[GetCurrentThreadId()] = window;
  }
  if (previous != nullptr)
    platform::Deliver(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
  if (window != nullptr && GetFocus() == window)
    platform::Deliver(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}
