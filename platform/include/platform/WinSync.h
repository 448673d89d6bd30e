// Mutexes. A named one is shared by every process under the same system
// root: the second creator gets a handle and ERROR_ALREADY_EXISTS.
#pragma once

#include "platform/WinHandle.h"

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES securityAttributes, BOOL initialOwner, LPCWSTR name);
BOOL ReleaseMutex(HANDLE mutex);
