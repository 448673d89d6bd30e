// The window, dialog and control styles the resource script uses, by their
// documented values: the script is compiled without the SDK's headers, on
// both builds alike.
#pragma once

#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_VSCROLL 0x00200000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_TABSTOP 0x00010000L
#define WS_EX_TOPMOST 0x00000008L

#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_FIXEDSYS 0x0008L
#define DS_NOFAILCREATE 0x0010L
#define DS_CENTER 0x0800L

#define SS_OWNERDRAW 0x0000000DL
#define CBS_DROPDOWNLIST 0x0003L
#define ES_MULTILINE 0x0004L
#define ES_READONLY 0x0800L

#define IDOK 1
#define IDC_STATIC (-1)
