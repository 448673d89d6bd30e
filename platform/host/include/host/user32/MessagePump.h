// Running the calling thread's message queue the way an application's
// message loop would.
#pragma once

namespace host {

// Delivers the calling thread's sent and posted messages (and WM_PAINT)
// until none is left, and returns how many were delivered. A WM_QUIT
// (PostQuitMessage) stays queued for the thread's own loop.
int PumpMessages();

}  // namespace host
