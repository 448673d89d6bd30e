// WM_DPICHANGED for per-monitor-aware top-level windows whose monitor's DPI
// is no longer the one they were told about.
#pragma once

#include "Platform.h"

namespace platform {

void NotifyDpiChange(HWND window);
void NotifyDpiChangeEverywhere();

}  // namespace platform
