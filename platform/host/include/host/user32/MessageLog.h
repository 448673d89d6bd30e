// What each window was told: every message its procedure received (sent,
// or dispatched from the queue), in order, and every InvalidateRect call.
// A destroyed window keeps its log, so tests can read its last messages.
#pragma once

#include <vector>

#include "Platform.h"

namespace host {

struct LoggedMessage {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  bool posted = false;      // came through the queue (DispatchMessageW)
  WINDOWPOS windowPos{};    // a copy, for WM_WINDOWPOSCHANGING/CHANGED
  RECT rect{};              // a copy of the suggested rectangle of WM_DPICHANGED
};

struct Invalidation {
  RECT rect;  // client coordinates; the whole client area for a null rectangle
  BOOL erase;
};

std::vector<LoggedMessage> MessageLog(HWND window);
// Only the message numbers, for tests that check a sequence.
std::vector<UINT> MessagesOf(HWND window);
std::vector<Invalidation> InvalidationLog(HWND window);
void ClearMessageLog(HWND window);

}  // namespace host
