// System colours (winuser.h's share, after the documentation of
// GetSysColor): Windows 10's defaults, which the host may change
// (host/user32/SystemColors.h). An index without a colour gives 0.
#pragma once

#include "platform/base/WinDef.h"

#define COLOR_WINDOW 5
#define COLOR_WINDOWTEXT 8
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18

DWORD GetSysColor(int index);
