#include "user32/WinEventLog.h"

namespace platform {

WinEventLog& WinEventLog::Instance() {
  static WinEventLog* log = new WinEventLog;
  return *log;
}

void WinEventLog::Add(const host::WinEvent& event) {
  std::lock_guard<std::mutex> hold(lock_);
  events_.push_back(event);
}

std::vector<host::WinEvent> WinEventLog::All() {
  std::lock_guard<std::mutex> hold(lock_);
  return events_;
}

void WinEventLog::Clear() {
  std::lock_guard<std::mutex> hold(lock_);
  events_.clear();
}

}  // namespace platform

void NotifyWinEvent(DWORD event, HWND window, LONG idObject, LONG idChild) {
  platform::WinEventLog::Instance().Add(
      host::WinEvent{event, window, idObject, idChild, GetCurrentThreadId()});
}

namespace host {

std::vector<WinEvent> WinEventLog() { return platform::WinEventLog::Instance().All(); }

void ClearWinEventLog() { platform::WinEventLog::Instance().Clear(); }

}  // namespace host
