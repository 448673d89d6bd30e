// The state of one window of a system control class (buttons, statics,
// combo boxes, the rich edit control). Each class derives its own; the
// window owns it (Window::controlState). Its fields are guarded by its own
// lock, since the host reads them from other threads.
#pragma once

#include <memory>
#include <mutex>

#include "Platform.h"

namespace platform {

class ControlState {
 public:
  virtual ~ControlState() = default;

  std::mutex lock;
};

std::shared_ptr<ControlState> AnyControlStateOf(HWND window);

// The window's state if it is a T; null for another window or none.
template <typename T>
std::shared_ptr<T> ControlStateOf(HWND window) {
  return std::dynamic_pointer_cast<T>(AnyControlStateOf(window));
}

// Gives the window its state (at its creation).
void SetControlState(HWND window, std::shared_ptr<ControlState> state);

}  // namespace platform
