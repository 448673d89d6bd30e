// The TSF application's own top-level window on Windows, one per thread: it
// holds the foreground and the keyboard focus, so the keys the host sends
// with SendInput (and those the text service sends) reach this thread's
// queue, where the key road offers them to TSF first.
#pragma once

#include "Platform.h"

namespace platform {

class ApplicationWindow {
 public:
  // The calling thread's window, made, shown and focused the first time;
  // null when it cannot be made.
  static HWND Ensure();
};

}  // namespace platform
