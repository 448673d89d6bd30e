// Cursors (winuser.h's share, as documented under "Cursors"). The system
// cursors that LoadCursorW gives for a null instance are shared: every call
// for the same id gives the same handle, which is never destroyed.
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinTypes.h"

#define IDC_ARROW MAKEINTRESOURCEW(32512)
#define IDC_IBEAM MAKEINTRESOURCEW(32513)
#define IDC_WAIT MAKEINTRESOURCEW(32514)
#define IDC_CROSS MAKEINTRESOURCEW(32515)
#define IDC_UPARROW MAKEINTRESOURCEW(32516)
#define IDC_SIZENWSE MAKEINTRESOURCEW(32642)
#define IDC_SIZENESW MAKEINTRESOURCEW(32643)
#define IDC_SIZEWE MAKEINTRESOURCEW(32644)
#define IDC_SIZENS MAKEINTRESOURCEW(32645)
#define IDC_SIZEALL MAKEINTRESOURCEW(32646)
#define IDC_NO MAKEINTRESOURCEW(32648)
#define IDC_HAND MAKEINTRESOURCEW(32649)
#define IDC_APPSTARTING MAKEINTRESOURCEW(32650)
#define IDC_HELP MAKEINTRESOURCEW(32651)

// Only the system cursors (a null instance) are provided; anything else
// gives NULL with ERROR_RESOURCE_NAME_NOT_FOUND.
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR cursorName);

// The cursor's position is the host's (host/user32/Mouse.h moves it with
// every simulated mouse event); SetCursorPos moves it without messages.
BOOL GetCursorPos(LPPOINT point);
BOOL SetCursorPos(int x, int y);
// Returns the cursor shown before; every call is kept for tests.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
