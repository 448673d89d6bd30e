// The simulated desktop as tests see it: its windows and their state.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Platform.h"

namespace host {

struct WindowInfo {
  HWND window = nullptr;
  std::u16string className;
  std::u16string title;
  RECT rect{};        // screen coordinates
  RECT clientRect{};  // screen coordinates
  bool visible = false;  // its own WS_VISIBLE (IsWindowVisible also asks its ancestors)
  bool enabled = true;
  DWORD style = 0;
  DWORD exStyle = 0;
  DWORD threadId = 0;  // the creating thread, which owns it
  HWND parent = nullptr;  // child windows
  HWND owner = nullptr;   // top-level windows
  UINT_PTR id = 0;        // control id of a child window
  HINSTANCE instance = nullptr;
  UINT dpi = 96;  // the DPI a per-monitor-aware window was last told about
};

// Every live window: the top-level ones from the top of the z-order down,
// each followed by its children (depth first, the top of their z-order
// first).
std::vector<WindowInfo> Windows();
std::optional<WindowInfo> DescribeWindow(HWND window);
std::vector<HWND> WindowsOfClass(std::u16string_view className);
// Forgets every window (no messages are sent), the foreground window, the
// logs (messages, WinEvents, SetCursor) and the calling thread's queued
// messages; restores the system metrics and colours, monitors, cursor and every
// thread's DPI awareness to their defaults. Classes stay, as
// they do on Windows.
void ResetDesktop();

}  // namespace host
