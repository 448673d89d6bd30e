// The user's mouse: moves, clicks, the wheel and scrolling, delivered to a
// given window as Windows delivers them to the window under the cursor.
// Each call moves the cursor (GetCursorPos) to the point. x and y are client
// coordinates of the window. Nothing reaches a window that is hidden or
// disabled (the calls then return false). Mouse input reaches a window of
// the calling thread at once, as its message loop would dispatch it; for a
// window of another thread the sent messages wait for that thread and the
// input messages are posted to its queue.
#pragma once

#include <vector>

#include "Platform.h"

namespace host {

// WM_NCHITTEST, WM_SETCURSOR (HIWORD(lParam) = WM_MOUSEMOVE), WM_MOUSEMOVE.
bool MoveMouse(HWND window, int x, int y);
// A left click: a move first when the cursor is elsewhere; then, unless the
// window's top-level window is the foreground one, WM_MOUSEACTIVATE, whose
// answer is honoured (MA_ACTIVATE and MA_ACTIVATEANDEAT make the top-level
// window the foreground one unless it has WS_EX_NOACTIVATE; the *EAT answers
// swallow the button-down); WM_SETCURSOR (HIWORD(lParam) = WM_LBUTTONDOWN);
// WM_LBUTTONDOWN (wParam MK_LBUTTON); WM_LBUTTONUP. A message whose window
// was destroyed by an earlier one of the sequence is not delivered.
bool Click(HWND window, int x, int y);
// A touch: WM_POINTERACTIVATE (PA_ACTIVATE activates, PA_NOACTIVATE not),
// then the button messages a window that leaves pointer input to the system
// receives; no WM_SETCURSOR, as a finger has no cursor.
bool Tap(HWND window, int x, int y);
// WM_MOUSEWHEEL with the signed delta (WHEEL_DELTA = one notch, positive
// away from the user) and the cursor's screen position.
bool Wheel(HWND window, int delta);
// WM_VSCROLL from the window's own scroll bar (lParam 0).
bool Scroll(HWND window, int code, int position);

void SetCursorPosition(POINT screen);
// Every SetCursor call (and DefWindowProcW's class cursor), in order.
std::vector<HCURSOR> SetCursorLog();
void ClearSetCursorLog();
// The IDC_ number of a system cursor (32512 for IDC_ARROW); 0 for any
// other handle.
WORD SystemCursorId(HCURSOR cursor);

}  // namespace host
