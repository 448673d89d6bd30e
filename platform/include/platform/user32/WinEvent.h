// Accessibility events (winuser.h's NotifyWinEvent, as documented for it).
// Nothing listens here: every call is kept for tests
// (host/user32/WinEvents.h). The stand-in raises no events of its own.
#pragma once

#include "platform/base/WinDef.h"

#define EVENT_OBJECT_CREATE 0x8000
#define EVENT_OBJECT_DESTROY 0x8001
#define EVENT_OBJECT_SHOW 0x8002
#define EVENT_OBJECT_HIDE 0x8003
#define EVENT_OBJECT_IME_SHOW 0x8027
#define EVENT_OBJECT_IME_HIDE 0x8028
#define EVENT_OBJECT_IME_CHANGE 0x8029

#define OBJID_WINDOW ((LONG)0x00000000)
#define OBJID_CLIENT ((LONG)0xFFFFFFFC)
#define CHILDID_SELF 0

void NotifyWinEvent(DWORD event, HWND window, LONG idObject, LONG idChild);
