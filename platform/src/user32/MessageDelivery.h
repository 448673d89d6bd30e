// How a message reaches a window procedure: directly on the window's own
// thread, through the owner thread's queue from any other.
#pragma once

#include "Platform.h"
#include "user32/MessageQueue.h"

namespace platform {

// Calls the window's procedure on the calling thread and logs the message;
// 0 when the window is gone (the message is dropped).
LRESULT CallProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool posted);

// SendMessageW: the procedure runs on the window's thread before this
// returns. 0 with ERROR_INVALID_WINDOW_HANDLE for a window that is not there.
LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Input (mouse messages): dispatched at once to a window of the calling
// thread, as its message loop would; posted to the queue of another thread.
void DeliverInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs every message other threads have sent to the calling thread's
// windows; returns how many.
int ReceiveSentMessages(MessageQueue& queue);

}  // namespace platform
