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
  // Moves the pointer into the screen's far corner, where no window is.
  // Wine's X11 driver takes the modifier keys' state from the X keyboard
  // whenever the pointer crosses into a window, and the X keyboard knows
  // nothing of SendInput's keys: with the pointer where the candidate
  // window shows and hides, a Ctrl held by SendInput reads as up at the
  // next key. Between mouse steps the pointer rests here.
  static void ParkPointer();
};

}  // namespace platform
