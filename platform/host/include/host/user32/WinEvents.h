// The NotifyWinEvent calls made, in order.
#pragma once

#include <vector>

#include "Platform.h"

namespace host {

struct WinEvent {
  DWORD event;
  HWND window;
  LONG idObject;
  LONG idChild;
  DWORD threadId;
};

std::vector<WinEvent> WinEventLog();
void ClearWinEventLog();

}  // namespace host
