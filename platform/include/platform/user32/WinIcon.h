// Icons (winuser.h's share, as documented under "Icons" and for
// LoadImageW): icons made from a module's RT_GROUP_ICON and RT_ICON
// resources. The stand-in keeps each icon's image bytes and size and draws
// nothing with them; the host can ask which module, group, image and size
// an icon is (host/user32/Icons.h).
//
// An image is chosen from a group as the one of the size asked for (of
// several, the most colours); else the smallest larger one; else the
// largest. A size of 0 means SM_CXICON/SM_CYICON with LR_DEFAULTSIZE, the
// image's own size otherwise.
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinHandle.h"
#include "platform/base/WinTypes.h"

#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2

#define LR_DEFAULTCOLOR 0x00000000
#define LR_MONOCHROME 0x00000001
#define LR_LOADFROMFILE 0x00000010
#define LR_DEFAULTSIZE 0x00000040
#define LR_SHARED 0x00008000

// IMAGE_ICON from a module's resources only (no files, no system images:
// NULL with ERROR_INVALID_PARAMETER); FindResourceW's errors for an id that
// names no icon group. LR_SHARED gives the same handle for the same group
// and size. Failure switch: "LoadImageW" (NULL, ERROR_NOT_ENOUGH_MEMORY).
HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags);
// The RT_ICON id of the best image of a group directory for the size; 0
// when the directory is not an icon group.
int LookupIconIdFromDirectoryEx(PBYTE directory, BOOL icon, int cxDesired, int cyDesired,
                                UINT flags);
// An icon from the bytes of one RT_ICON image (a DIB or a PNG); only icons
// (icon TRUE). NULL with ERROR_INVALID_DATA for bytes that are neither.
HICON CreateIconFromResourceEx(PBYTE bits, DWORD size, BOOL icon, DWORD version, int cxDesired,
                               int cyDesired, UINT flags);
// False with ERROR_INVALID_ICON_HANDLE for a handle that is not a live icon;
// a shared icon (LR_SHARED, system cursors) stays.
BOOL DestroyIcon(HICON icon);
