// Monitors and DPI (winuser.h's share, as documented under "Multiple
// Display Monitors" and "High DPI Desktop Application Development").
//
// - The monitors are the host's (host/user32/Monitors.h): by default one
//   1920 x 1080 monitor at 96 DPI with a 40-pixel taskbar at the bottom.
//   MonitorFrom* find the monitor that holds the point, or that has the
//   largest intersection with the rectangle (a window: its rectangle); with
//   MONITOR_DEFAULTTONEAREST the closest one when none does, with
//   MONITOR_DEFAULTTOPRIMARY the primary one, else NULL.
// - A thread's DPI awareness context starts as the process's (unaware,
//   unless the host says otherwise). SetThreadDpiAwarenessContext returns the
//   thread's previous context as Windows does: a value of its own, not one
//   of the DPI_AWARENESS_CONTEXT_* constants, so contexts are compared with
//   AreDpiAwarenessContextsEqual. A window keeps the context of the thread
//   that created it.
// - GetDpiForWindow: 96 for an unaware window, the primary monitor's DPI for
//   a system-aware one, the DPI of its monitor for a per-monitor-aware one.
//   A per-monitor-aware top-level window receives WM_DPICHANGED (HIWORD and
//   LOWORD of wParam: the new DPI; lParam: the suggested window rectangle,
//   its size scaled from the old DPI, its top-left kept) when it moves onto
//   a monitor of another DPI, or its monitor's DPI changes. Children get no
//   notification of their own.
//
// Failure switches: "MonitorFromPoint" (NULL), "GetMonitorInfoW" (FALSE).
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinTypes.h"

#define MONITOR_DEFAULTTONULL 0x00000000
#define MONITOR_DEFAULTTOPRIMARY 0x00000001
#define MONITOR_DEFAULTTONEAREST 0x00000002
#define MONITORINFOF_PRIMARY 0x00000001
#define CCHDEVICENAME 32

struct MONITORINFO {
  DWORD cbSize;
  RECT rcMonitor;
  RECT rcWork;
  DWORD dwFlags;
};
typedef MONITORINFO* LPMONITORINFO;

struct MONITORINFOEXW : public MONITORINFO {
  WCHAR szDevice[CCHDEVICENAME];
};
typedef MONITORINFOEXW* LPMONITORINFOEXW;

HMONITOR MonitorFromPoint(POINT point, DWORD flags);
HMONITOR MonitorFromRect(LPCRECT rect, DWORD flags);
HMONITOR MonitorFromWindow(HWND window, DWORD flags);
// cbSize must be sizeof(MONITORINFO) or sizeof(MONITORINFOEXW); the device
// name is "\\.\DISPLAY" and the monitor's number from 1.
BOOL GetMonitorInfoW(HMONITOR monitor, LPMONITORINFO info);

#define USER_DEFAULT_SCREEN_DPI 96

LUTEM_DECLARE_HANDLE(DPI_AWARENESS_CONTEXT);

enum DPI_AWARENESS {
  DPI_AWARENESS_INVALID = -1,
  DPI_AWARENESS_UNAWARE = 0,
  DPI_AWARENESS_SYSTEM_AWARE = 1,
  DPI_AWARENESS_PER_MONITOR_AWARE = 2
};

#define DPI_AWARENESS_CONTEXT_UNAWARE ((DPI_AWARENESS_CONTEXT)-1)
#define DPI_AWARENESS_CONTEXT_SYSTEM_AWARE ((DPI_AWARENESS_CONTEXT)-2)
#define DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE ((DPI_AWARENESS_CONTEXT)-3)
#define DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 ((DPI_AWARENESS_CONTEXT)-4)
#define DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED ((DPI_AWARENESS_CONTEXT)-5)

// NULL (and ERROR_INVALID_PARAMETER) for a context that is none, leaving the
// thread as it was.
DPI_AWARENESS_CONTEXT SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT context);
DPI_AWARENESS_CONTEXT GetThreadDpiAwarenessContext();
DPI_AWARENESS_CONTEXT GetWindowDpiAwarenessContext(HWND window);
BOOL AreDpiAwarenessContextsEqual(DPI_AWARENESS_CONTEXT a, DPI_AWARENESS_CONTEXT b);
DPI_AWARENESS GetAwarenessFromDpiAwarenessContext(DPI_AWARENESS_CONTEXT context);
// 0 for an invalid window.
UINT GetDpiForWindow(HWND window);
// 96 on an unaware thread; else the primary monitor's DPI.
UINT GetDpiForSystem();
