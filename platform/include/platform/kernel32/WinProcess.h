// The calling process and handles to other processes, enough to ask who a
// process runs as (OpenProcessToken). A process of the stand-in is a Linux
// process under the same system root.
#pragma once

#include "platform/base/WinHandle.h"

#define PROCESS_QUERY_INFORMATION 0x0400
#define PROCESS_QUERY_LIMITED_INFORMATION 0x1000

// A pseudo handle that needs no closing, as on Windows.
HANDLE GetCurrentProcess();
DWORD GetCurrentProcessId();
// ERROR_INVALID_PARAMETER for a process that does not exist;
// ERROR_ACCESS_DENIED for a caller in an AppContainer asking for another
// process, which such a caller may not open.
HANDLE OpenProcess(DWORD desiredAccess, BOOL inheritHandle, DWORD processId);
