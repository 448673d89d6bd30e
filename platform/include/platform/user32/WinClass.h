// Window classes (winuser.h's share, as documented under "About Window
// Classes"). The desktop keeps one table of classes keyed by name (or its
// atom) and module instance; a name may be registered once per module, and a
// class registered with CS_GLOBALCLASS is found from every module. A class
// is looked up as Windows does: the module's own class first, then a global
// one. Classes stay registered when their module is unloaded, as on Windows:
// only UnregisterClassW (or the end of the process) removes them.
//
// Failure switches: "RegisterClassW" (0, ERROR_NOT_ENOUGH_MEMORY).
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinTypes.h"
#include "platform/user32/WinMessages.h"

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008
#define CS_OWNDC 0x0020
#define CS_CLASSDC 0x0040
#define CS_PARENTDC 0x0080
#define CS_NOCLOSE 0x0200
#define CS_SAVEBITS 0x0800
#define CS_BYTEALIGNCLIENT 0x1000
#define CS_BYTEALIGNWINDOW 0x2000
#define CS_GLOBALCLASS 0x4000
#define CS_IME 0x00010000
#define CS_DROPSHADOW 0x00020000

struct WNDCLASSW {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCWSTR lpszMenuName;
  LPCWSTR lpszClassName;
};
typedef WNDCLASSW* PWNDCLASSW;
typedef WNDCLASSW* LPWNDCLASSW;

// The class atom, or 0: ERROR_CLASS_ALREADY_EXISTS when the module (or a
// global class) already has the name, ERROR_INVALID_PARAMETER without a name
// or procedure or with negative extra bytes.
ATOM RegisterClassW(const WNDCLASSW* windowClass);
// className: a name or MAKEINTATOM(atom). ERROR_CLASS_DOES_NOT_EXIST, or
// ERROR_CLASS_HAS_WINDOWS while windows of the class exist.
BOOL UnregisterClassW(LPCWSTR className, HINSTANCE instance);
// Nonzero when found (the class atom); lpszClassName is the name given and
// lpszMenuName points into the class, valid while it is registered.
BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR className, LPWNDCLASSW windowClass);
