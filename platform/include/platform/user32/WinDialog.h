// Dialog boxes (winuser.h's share, after the documentation under "Dialog
// Boxes": DialogBoxParamW, EndDialog, DefDlgProcW, the dialog template
// formats DLGTEMPLATE and DLGTEMPLATEEX, and "Dialog Box Keyboard
// Interface").
//
// What the stand-in does, as Windows does:
// - DialogBoxParamW finds the RT_DIALOG template in the module, creates the
//   dialog (class "#32770") and its controls in template order, each
//   control's place converted from dialog units to pixels by a fixed base
//   of 6 x 13 (the base units of the 8-point "MS Shell Dlg" font at
//   96 DPI: x * 6 / 4, y * 13 / 8), sends WM_INITDIALOG (wParam the first
//   control with WS_TABSTOP, lParam the init parameter), then shows the
//   dialog (whatever its WS_VISIBLE), disables the owner and runs its modal
//   loop until EndDialog. DS_CENTER centres it on the work area of the
//   owner's monitor (the primary one without an owner); DS_MODALFRAME
//   gives WS_EX_DLGMODALFRAME. A control whose class does not exist fails
//   the dialog (-1) unless the template has DS_NOFAILCREATE, in which case
//   the control is left out. EndDialog during WM_INITDIALOG ends the dialog
//   before it is shown.
// - The modal loop takes the thread's messages and, before dispatching a
//   key for the dialog, applies the dialog keyboard interface: Escape
//   sends WM_COMMAND IDCANCEL (BN_CLICKED, the IDCANCEL control if there
//   is one) and Enter the default button's id (DM_GETDEFID: the dialog
//   procedure's answer, else the first BS_DEFPUSHBUTTON, else IDOK). A
//   WM_QUIT ends the loop and is posted again. When it has nothing to do
//   the thread waits for input (host/kernel32/Programs.h: WaitForInputIdle).
//   When the loop ends the owner is enabled again, then the dialog is
//   destroyed, and DialogBoxParamW returns EndDialog's result.
// - DefDlgProcW, the dialog class's procedure, calls the dialog procedure
//   first; a nonzero answer ends the message (the value itself for
//   WM_INITDIALOG, WM_CTLCOLOR*, WM_COMPAREITEM, WM_VKEYTOITEM,
//   WM_CHARTOITEM and WM_QUERYDRAGICON, else DWLP_MSGRESULT). For a zero
//   answer: WM_CLOSE posts WM_COMMAND IDCANCEL (not for a disabled IDCANCEL
//   control), DM_GETDEFID gives the default button, and the rest goes to
//   DefWindowProcW.
// - The user works the controls through the host (host/user32/Dialogs.h).
//
// Failure: DialogBoxParamW gives 0 (ERROR_INVALID_WINDOW_HANDLE) for an
// owner that is not a window, -1 for a template that is missing
// (ERROR_RESOURCE_NAME_NOT_FOUND and the like) or not a dialog template
// (ERROR_INVALID_DATA), or a dialog that cannot be created.
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinTypes.h"
#include "platform/user32/WinMessages.h"

typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

// Dialog styles (the template's style).
#define DS_ABSALIGN 0x01L
#define DS_SYSMODAL 0x02L
#define DS_LOCALEDIT 0x20L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_NOIDLEMSG 0x100L
#define DS_SETFOREGROUND 0x200L
#define DS_3DLOOK 0x0004L
#define DS_FIXEDSYS 0x0008L
#define DS_NOFAILCREATE 0x0010L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L
#define DS_CENTERMOUSE 0x1000L
#define DS_CONTEXTHELP 0x2000L
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

// The dialog's own window data (GetWindowLongPtrW, SetWindowLongPtrW).
#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC (DWLP_MSGRESULT + sizeof(LRESULT))
#define DWLP_USER (DWLP_DLGPROC + sizeof(DLGPROC))
#define DLGWINDOWEXTRA 30

// WM_GETDLGCODE's answers.
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DC_HASDEFID 0x534B

INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam);
// FALSE with ERROR_WINDOW_NOT_DIALOG for a window that is not a modal
// dialog of DialogBoxParamW.
BOOL EndDialog(HWND dialog, INT_PTR result);
LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
