// A console program's control handlers. On the stand-in SIGINT is Ctrl+C
// and SIGTERM the console being closed (CTRL_CLOSE_EVENT); as on Windows
// the handlers run on a thread of their own, the last added first, until
// one returns TRUE. A closing console ends the process once its handlers
// return; with no handler that takes them, both end it at once.
#pragma once

#include "platform/base/WinTypes.h"

#define CTRL_C_EVENT 0
#define CTRL_BREAK_EVENT 1
#define CTRL_CLOSE_EVENT 2
#define CTRL_LOGOFF_EVENT 5
#define CTRL_SHUTDOWN_EVENT 6

typedef BOOL(WINAPI* PHANDLER_ROUTINE)(DWORD ctrlType);

BOOL SetConsoleCtrlHandler(PHANDLER_ROUTINE handler, BOOL add);
