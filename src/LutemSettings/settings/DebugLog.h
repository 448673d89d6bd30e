#pragma once

#include "Platform.h"

// The settings program's debug log: the wide printf-style format (Microsoft
// conversions: %s wide, %hs narrow) and its arguments, formatted into at
// most 1023 units, go to the debugger output, then a line feed.
void DebugLog(const WCHAR* format, ...);
