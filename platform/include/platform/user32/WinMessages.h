// Window messages: the procedure type, the message numbers and their
// parameter records, and the calls that send, post and pump them (winuser.h's
// share, as documented under "Messages and Message Queues").
//
// Sending to a window of the calling thread calls its procedure at once.
// Sending to a window of another thread queues the message for that thread
// and waits: it runs on the owner thread when that thread next pumps
// (GetMessageW, PeekMessageW) or waits in a send of its own, as on Windows.
// Posting queues the message on the owner thread; a message whose window is
// destroyed before it is retrieved is dropped. Retrieval order: sent
// messages, posted messages, WM_QUIT (after PostQuitMessage), then WM_PAINT
// for a visible window of the thread that has an update region.
//
// Failure switches: "RegisterWindowMessageW" (0, ERROR_NOT_ENOUGH_MEMORY).
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinTypes.h"

#ifndef CALLBACK
#define CALLBACK
#endif

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKELRESULT(l, h) ((LRESULT)(DWORD)MAKELONG(l, h))

#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_SETCURSOR 0x0020
#define WM_MOUSEACTIVATE 0x0021
#define WM_DRAWITEM 0x002B
#define WM_WINDOWPOSCHANGING 0x0046
#define WM_WINDOWPOSCHANGED 0x0047
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_NCCALCSIZE 0x0083
#define WM_NCHITTEST 0x0084
#define WM_GETDLGCODE 0x0087
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_VSCROLL 0x0115
#define WM_INITMENUPOPUP 0x0117
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_MBUTTONDOWN 0x0207
#define WM_MBUTTONUP 0x0208
#define WM_MOUSEWHEEL 0x020A
#define WM_PARENTNOTIFY 0x0210
#define WM_ENTERMENULOOP 0x0211
#define WM_EXITMENULOOP 0x0212
#define WM_POINTERDOWN 0x0246
#define WM_POINTERUP 0x0247
#define WM_POINTERACTIVATE 0x024B
#define WM_DPICHANGED 0x02E0
#define WM_USER 0x0400
#define WM_APP 0x8000

// WM_SIZE's wParam.
#define SIZE_RESTORED 0

// WM_ACTIVATE's wParam.
#define WA_INACTIVE 0
#define WA_ACTIVE 1

// WM_SYSCOMMAND's wParam.
#define SC_CLOSE 0xF060

// PeekMessageW's removal flags.
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};
typedef MSG* PMSG;
typedef MSG* LPMSG;

// WM_NCCREATE's and WM_CREATE's lParam.
struct CREATESTRUCTW {
  LPVOID lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCWSTR lpszName;
  LPCWSTR lpszClass;
  DWORD dwExStyle;
};
typedef CREATESTRUCTW* LPCREATESTRUCTW;

// WM_WINDOWPOSCHANGING's and WM_WINDOWPOSCHANGED's lParam.
struct WINDOWPOS {
  HWND hwnd;
  HWND hwndInsertAfter;
  int x;
  int y;
  int cx;
  int cy;
  UINT flags;
};
typedef WINDOWPOS* PWINDOWPOS;
typedef WINDOWPOS* LPWINDOWPOS;
LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// A null window posts to the calling thread's queue (a thread message).
BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Waits for a message; 0 for WM_QUIT, -1 for an invalid filter window.
BOOL GetMessageW(LPMSG message, HWND window, UINT filterMin, UINT filterMax);
BOOL PeekMessageW(LPMSG message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
// Turning key messages into character messages belongs to the keyboard;
// until it does, this reports key messages as translated and posts nothing.
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageW(const MSG* message);
LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcW(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam);
// The same name (without regard to case) gives the same number, 0xC000 or
// above, to every caller; a null or empty name gives 0.
UINT RegisterWindowMessageW(LPCWSTR name);
