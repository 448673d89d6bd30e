// The keyboard focus (winuser.h's share, after the documentation of
// SetFocus, GetFocus and WM_SETFOCUS). Each thread has its own focus
// window, one of its windows or none. SetFocus sends WM_KILLFOCUS (wParam:
// the window getting the focus) to the window losing it, then WM_SETFOCUS
// (wParam: the window that lost it) to the new one, and returns the one
// that had it; a window of another thread is refused (NULL,
// ERROR_ACCESS_DENIED). A focus window that is destroyed leaves its thread
// without focus.
#pragma once

#include "platform/base/WinDef.h"

HWND SetFocus(HWND window);
HWND GetFocus();
