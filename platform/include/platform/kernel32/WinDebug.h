// Debugger output (debugapi.h's share, after the documentation of
// OutputDebugStringW): the text goes to the debugger; here the host keeps
// every call, in order, for tests and tools to read
// (host/kernel32/DebugOutput.h). A null text sends nothing.
#pragma once

#include "platform/base/WinTypes.h"

void OutputDebugStringW(LPCWSTR outputString);
