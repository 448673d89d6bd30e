// The user's mouse on Windows (host/user32/Mouse.h): a click is real input
// at the point, which the system delivers to the window under the cursor;
// the wheel message goes to the window under the cursor as Windows 10
// delivers it (to inactive windows too).
#include "host/user32/Mouse.h"

#include "host/user32/MessagePump.h"
#include "user32/ApplicationWindow.h"

namespace host {
namespace {

bool Shown(HWND window) { return IsWindow(window) && IsWindowVisible(window) && IsWindowEnabled(window); }

void SendButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(INPUT));
  PumpMessages();
}

}  // namespace

bool Click(HWND window, int x, int y) {
  if (!Shown(window)) return false;
  POINT point{x, y};
  ClientToScreen(window, &point);
  SetCursorPos(point.x, point.y);
  PumpMessages();
  SendButton(MOUSEEVENTF_LEFTDOWN);
  SendButton(MOUSEEVENTF_LEFTUP);
  platform::ApplicationWindow::ParkPointer();
  PumpMessages();
  return true;
}

bool Wheel(HWND window, int delta) {
  if (!Shown(window)) return false;
  RECT rect{};
  GetWindowRect(window, &rect);
  POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  SetCursorPos(centre.x, centre.y);
  PostMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))),
               MAKELPARAM(static_cast<WORD>(centre.x), static_cast<WORD>(centre.y)));
  PumpMessages();
  platform::ApplicationWindow::ParkPointer();
  PumpMessages();
  return true;
}

}  // namespace host
