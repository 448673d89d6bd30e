#include "user32/MessageRetrieval.h"

#include <chrono>

#include "user32/CursorState.h"
#include "user32/Desktop.h"
#include "user32/MessageDelivery.h"

namespace platform {
namespace {

bool InRange(UINT message, UINT low, UINT high) {
  return (low == 0 && high == 0) || (message >= low && message <= high);
}

// Needs the desktop's lock.
bool WindowMatches(Desktop& desktop, HWND window, HWND filter) {
  if (filter == nullptr) return true;
  if (filter == reinterpret_cast<HWND>(-1)) return window == nullptr;
  for (auto w = desktop.Find(window); w; w = w->IsChild() ? desktop.Find(w->parent) : nullptr)
    if (w->handle == filter) return true;
  return false;
}

}  // namespace

DWORD Now() {
  using namespace std::chrono;
  return static_cast<DWORD>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

namespace {

bool TakePaint(HWND filter, UINT low, UINT high, bool remove, MSG* out) {
  if (!InRange(WM_PAINT, low, high)) return false;
  DWORD thread = GetCurrentThreadId();
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  for (const auto& window : desktop.All()) {
    if (window->threadId != thread || !window->dirty || window->paintDelivered || window->layered ||
        window->life != Window::Life::Alive || !desktop.IsShowing(*window) ||
        !WindowMatches(desktop, window->handle, filter))
      continue;
    if (remove) window->paintDelivered = true;
    *out = MSG{window->handle, WM_PAINT, 0, 0, 0, POINT{}};
    return true;
  }
  return false;
}

}  // namespace

bool NextMessage(MessageQueue& queue, HWND filter, UINT low, UINT high, bool remove, MSG* out,
                 bool leaveQuit) {
  ReceiveSentMessages(queue);
  Desktop& desktop = Desktop::Instance();
  auto matches = [&](const MSG& m) {
    auto hold = desktop.Hold();
    return InRange(m.message, low, high) && WindowMatches(desktop, m.hwnd, filter);
  };
  auto gone = [&](const MSG& m) {
    if (m.hwnd == nullptr) return false;
    auto hold = desktop.Hold();
    return desktop.Find(m.hwnd) == nullptr;
  };
  bool found = queue.TakePosted(matches, gone, remove, out);
  int exitCode = 0;
  if (!found && !leaveQuit && queue.TakeQuit(remove, &exitCode)) {
    *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0, 0, POINT{}};
    found = true;
  }
  if (!found) found = TakePaint(filter, low, high, remove, out);
  // Posted messages carry the time and cursor position of their posting;
  // the others those of their retrieval.
  if (found && (out->message == WM_PAINT || out->message == WM_QUIT)) {
    out->time = Now();
    out->pt = CursorState::Instance().Position();
  }
  return found;
}

}  // namespace platform
