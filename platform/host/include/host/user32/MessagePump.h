// Running the calling thread's message queue the way an application's
// message loop would.
#pragma once

namespace host {

// Runs everything the calling thread has waiting, in rounds, until a round
// finds nothing: each round delivers the sent and posted messages (and
// WM_PAINT) until none is left, then runs the edit sessions waiting for an
// asynchronous lock in the order they were requested
// (host/msctf/EditSessions.h), then plays the keyboard input SendInput
// queued through the key road. Returns how many messages, sessions and
// replays ran. A WM_QUIT (PostQuitMessage) stays queued for the thread's
// own loop.
int PumpMessages();

}  // namespace host
