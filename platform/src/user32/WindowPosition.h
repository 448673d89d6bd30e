// SetWindowPos's work, shared by ShowWindow, MoveWindow and DestroyWindow.
#pragma once

#include "Platform.h"

namespace platform {

// Sends WM_WINDOWPOSCHANGING, applies what the handler left in the
// WINDOWPOS, and sends WM_WINDOWPOSCHANGED with the flags actually applied.
BOOL ApplyWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);

}  // namespace platform
