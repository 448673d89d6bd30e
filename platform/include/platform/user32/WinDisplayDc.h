// The display DC of a window or of the screen (winuser.h's GetDC and
// ReleaseDC), following the Windows documentation of GetDC: a common DC
// that must go back with ReleaseDC, never DeleteDC. Here it has no pixels:
// it serves measuring and the arguments of UpdateLayeredWindow. The window
// handle is kept but not checked.
// Failure switch (host/FailureSwitch.h): "GetDC".
#pragma once

#include "platform/base/WinDef.h"

HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
