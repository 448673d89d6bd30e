// Mutexes and interlocked counters. A named mutex is shared by every process
// under the same system root: the second creator gets a handle and
// ERROR_ALREADY_EXISTS. Failure switch: "CreateMutexW" (NULL,
// ERROR_ACCESS_DENIED).
#pragma once

#include "platform/base/WinHandle.h"

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES securityAttributes, BOOL initialOwner, LPCWSTR name);
BOOL ReleaseMutex(HANDLE mutex);

// Atomic (sequentially consistent) operations on a 32-bit value. Increment
// and decrement return the new value; compare-exchange stores exchange when
// the value equals comparand and returns the value it found.
LONG InterlockedIncrement(LONG volatile* addend);
LONG InterlockedDecrement(LONG volatile* addend);
LONG InterlockedCompareExchange(LONG volatile* destination, LONG exchange, LONG comparand);
