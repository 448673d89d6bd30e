// Message boxes (winuser.h's share, after the documentation of
// MessageBoxW). No box is drawn: the host records each one shown
// (host/user32/MessageBoxes.h) and the user at once chooses its default
// button (the MB_DEFBUTTON one of the buttons the type asks for), whose id
// is the result. A null caption is "Error", as on Windows. 0 with
// ERROR_INVALID_WINDOW_HANDLE for an owner that is not a window. Failure
// switch: "MessageBoxW" (0, ERROR_NOT_ENOUGH_MEMORY).
#pragma once

#include "platform/base/WinDef.h"
#include "platform/user32/WinDialog.h"

#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_SETFOREGROUND 0x00010000L
#define MB_TOPMOST 0x00040000L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONMASK 0x000000F0L
#define MB_DEFMASK 0x00000F00L

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
