// Windows: creation and destruction, styles, the window's own data, its
// text, parent and owner, visibility, position and z-order, enabling,
// coordinates, invalidation and the foreground window (winuser.h's share,
// as documented under "Windows", "Window Features" and "Window Procedures").
//
// What the stand-in does, as Windows does:
// - CreateWindowExW sends WM_NCCREATE and WM_CREATE (lParam: a CREATESTRUCTW
//   whose lpCreateParams is the last argument) before it returns, then
//   WM_SIZE and WM_MOVE, and shows the window when the style asks. FALSE
//   from WM_NCCREATE or -1 from WM_CREATE destroys it and gives NULL; so does
//   a window destroyed by its own handler during creation. DefWindowProcW
//   sets the window's text at WM_NCCREATE.
// - DestroyWindow destroys owned windows first, hides a visible window, then
//   sends WM_DESTROY to the window and then to its children, and
//   WM_NCDESTROY to the children and then the window; afterwards the handle
//   is invalid (ERROR_INVALID_WINDOW_HANDLE) and messages to it are dropped.
//   A window may destroy itself from its own procedure. Only the creating
//   thread may destroy a window (ERROR_ACCESS_DENIED otherwise). A thread's
//   windows go when the thread ends, without messages.
// - ShowWindow sends WM_SHOWWINDOW and then WM_WINDOWPOSCHANGED when the
//   visibility changes, nothing when it does not; SW_SHOWNA and
//   SW_SHOWNOACTIVATE never activate. There is no minimised or maximised
//   state: those commands show the window as it is.
// - SetWindowPos sends WM_WINDOWPOSCHANGING (whose WINDOWPOS the handler may
//   change) and WM_WINDOWPOSCHANGED with the flags actually applied:
//   SWP_NOMOVE and SWP_NOSIZE are added when the position or size did not
//   change, SWP_SHOWWINDOW and SWP_HIDEWINDOW are dropped when the
//   visibility did not. DefWindowProcW answers WM_WINDOWPOSCHANGED with
//   WM_SIZE and WM_MOVE. A top-level window is activated (it becomes the
//   foreground window) unless SWP_NOACTIVATE is given.
// - The client area is the window less the frame, caption and scroll bars
//   its style asks for (the AdjustWindowRectEx rule, with the configured
//   system metrics); there is no WM_NCCALCSIZE.
// - New top-level windows go to the top of their z-order band (topmost or
//   not), new child windows to the bottom of their siblings, as dialog
//   controls are created in tab order.
// - InvalidateRect records each call (host/user32/MessageLog.h) and adds to
//   the update region; a visible window with an update region gets WM_PAINT
//   when its thread's queue has nothing else, once per invalidation (a
//   procedure that leaves the region unvalidated is not asked again until
//   the next InvalidateRect). DefWindowProcW validates at WM_PAINT.
//
// Failure switches: "CreateWindowExW" (NULL, ERROR_NOT_ENOUGH_MEMORY).
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinTypes.h"
#include "platform/user32/WinMessages.h"

#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_SIZEBOX WS_THICKFRAME
#define WS_OVERLAPPEDWINDOW \
  (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_POPUPWINDOW (WS_POPUP | WS_BORDER | WS_SYSMENU)

#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_NOPARENTNOTIFY 0x00000004L
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_TRANSPARENT 0x00000020L
#define WS_EX_TOOLWINDOW 0x00000080L
#define WS_EX_WINDOWEDGE 0x00000100L
#define WS_EX_CLIENTEDGE 0x00000200L
#define WS_EX_CONTROLPARENT 0x00010000L
#define WS_EX_STATICEDGE 0x00020000L
#define WS_EX_APPWINDOW 0x00040000L
#define WS_EX_LAYERED 0x00080000L
#define WS_EX_NOACTIVATE 0x08000000L

#define CW_USEDEFAULT ((int)0x80000000)

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_MAXIMIZE 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10
#define SW_FORCEMINIMIZE 11

#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define SWP_NOCOPYBITS 0x0100
#define SWP_NOOWNERZORDER 0x0200
#define SWP_NOSENDCHANGING 0x0400
#define SWP_DRAWFRAME SWP_FRAMECHANGED
#define SWP_NOREPOSITION SWP_NOOWNERZORDER
#define SWP_DEFERERASE 0x2000
#define SWP_ASYNCWINDOWPOS 0x4000

#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)

#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_HWNDPARENT (-8)
#define GWLP_ID (-12)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWLP_USERDATA (-21)

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);

// index: one of the GWL/GWLP values, or a byte offset into the class's
// window extra bytes. 0 with ERROR_INVALID_INDEX for anything else.
// SetWindowLongPtrW returns the previous value and leaves the last error
// alone on success, so a previous 0 is told apart only after SetLastError(0).
LONG_PTR GetWindowLongPtrW(HWND window, int index);
LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value);

// Through WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH.
BOOL SetWindowTextW(HWND window, LPCWSTR text);
int GetWindowTextW(HWND window, LPWSTR buffer, int bufferSize);
int GetWindowTextLengthW(HWND window);
int GetClassNameW(HWND window, LPWSTR buffer, int bufferSize);

// A child's parent; a pop-up's owner; NULL for other top-level windows.
HWND GetParent(HWND window);
// TRUE when window is a child of parent, or a child of one of its children.
BOOL IsChild(HWND parent, HWND window);
// Direct children only; NULL with ERROR_CONTROL_ID_NOT_FOUND.
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
// Top-level windows only, from the top of the z-order; both names compare
// without regard to case; a null name matches every window.
HWND FindWindowW(LPCWSTR className, LPCWSTR windowName);
DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId);

BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL GetClientRect(HWND window, LPRECT rect);
BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);
// Returns nonzero when the window was disabled before; sends WM_ENABLE on a
// change.
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);

// A null window stands for the screen. The result packs the horizontal and
// vertical offsets added (low and high word); 0 with the last error set for
// an invalid window, so a real offset of 0 is told apart after SetLastError(0).
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
BOOL ScreenToClient(HWND window, LPPOINT point);
BOOL ClientToScreen(HWND window, LPPOINT point);

// rect in client coordinates; null for the whole client area.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND window, const RECT* rect);
BOOL GetUpdateRect(HWND window, LPRECT rect, BOOL erase);

// There is no foreground lock: any thread may set the foreground window.
BOOL SetForegroundWindow(HWND window);
HWND GetForegroundWindow();
