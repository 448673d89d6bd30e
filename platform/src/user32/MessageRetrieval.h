// Taking the next message from the calling thread's queue, in Windows'
// order: messages sent by other threads (run on the spot), posted messages,
// WM_QUIT, then WM_PAINT.
#pragma once

#include "Platform.h"
#include "user32/MessageQueue.h"

namespace platform {

// filter: null for every message of the thread, (HWND)-1 for thread
// messages only, else the window and its children. A range of 0, 0 takes
// every message; WM_QUIT is taken whatever the filter, unless leaveQuit.
bool NextMessage(MessageQueue& queue, HWND filter, UINT filterMin, UINT filterMax, bool remove,
                 MSG* out, bool leaveQuit = false);

// The message time: milliseconds of a steady clock.
DWORD Now();

}  // namespace platform
