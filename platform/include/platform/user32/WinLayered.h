// Layered windows drawn by their owner (winuser.h's UpdateLayeredWindow, as
// documented for it). The stand-in keeps a copy of the picture each call
// hands over (the pixels of the bitmap selected into the source DC, from the
// source point, of the window's size) with its blend and flags; the host
// reads it back or writes it as PNG (host/user32/LayeredPicture.h). A new
// position or size moves or sizes the window as SetWindowPos does, with its
// messages. A window updated this way gets no WM_PAINT, as on Windows.
//
// FALSE with ERROR_INVALID_PARAMETER for a window without WS_EX_LAYERED, a
// size without a source DC, or a source DC whose bitmap does not cover the
// source rectangle; the window then keeps its last picture.
// Failure switch: "UpdateLayeredWindow" (FALSE, the last picture kept).
#pragma once

#include "platform/base/WinDef.h"
#include "platform/gdi32/WinGdi.h"

#define ULW_COLORKEY 0x00000001
#define ULW_ALPHA 0x00000002
#define ULW_OPAQUE 0x00000004

BOOL UpdateLayeredWindow(HWND window, HDC screen, POINT* destination, SIZE* size, HDC source,
                         POINT* sourcePoint, COLORREF key, BLENDFUNCTION* blend, DWORD flags);
