#pragma once

#include <chrono>

#include "Platform.h"

// Waits until a message is in the pipe or the far end has gone (true), or the
// time-out has passed with neither (false). Peeking lets the caller keep a
// plain blocking ReadFile and needs neither overlapped I/O nor a second
// thread. Messages normally come within a millisecond, so the first checks
// only yield, for a few milliseconds, before the wait falls back to sleeping
// a millisecond at a time.
// An empty message cannot be seen this way; it looks like no message yet.
bool WaitForPipeMessage(HANDLE pipe, std::chrono::milliseconds timeout);

// Waits until the far end has closed or disconnected (true), or the
// time-out has passed (false). A server waits so for a client to take its
// reply, since its disconnection would throw away what is still unread.
bool WaitForPipeEnd(HANDLE pipe, std::chrono::milliseconds timeout);

// Reads one message from a handle in PIPE_NOWAIT mode, waiting for it at
// most the time-out. Unlike a peek, a read without waiting sees an empty
// message too. The ReadFile result (with GetLastError); a time-out is FALSE
// with ERROR_NO_DATA.
BOOL ReadPipeMessageWithin(HANDLE pipe, void* buffer, DWORD size, DWORD& read,
                           std::chrono::milliseconds timeout);
