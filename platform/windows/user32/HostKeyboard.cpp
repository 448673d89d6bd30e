// The host's keyboard on Windows (host/user32/Keyboard.h): each key event is
// real input (SendInput) to the application's focused window, and the
// thread's queue is run until it is handled, so a key has gone the whole
// road before the next is sent, as on the stand-in.
#include "host/user32/Keyboard.h"

#include "host/user32/MessagePump.h"
#include "user32/ApplicationWindow.h"
#include "user32/KeyRoad.h"
#include "user32/UsKeyboardLayout.h"

namespace host {
namespace {

UINT GenericKey(UINT vk) {
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT:
      return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
      return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
      return VK_MENU;
    default:
      return vk;
  }
}

void Send(INPUT input) {
  platform::ApplicationWindow::Ensure();
  SendInput(1, &input, sizeof(INPUT));
  PumpMessages();
}

void SendKey(UINT vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(GenericKey(vk));
  input.ki.wScan = platform::UsKeyboardLayout::ScanCode(vk);
  if (platform::UsKeyboardLayout::IsExtended(vk)) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  if (up) input.ki.dwFlags |= KEYEVENTF_KEYUP;
  Send(input);
}

}  // namespace

void KeyDown(UINT vk) { SendKey(vk, false); }

void KeyUp(UINT vk) { SendKey(vk, true); }

void PressPacket(char16_t character) {
  for (bool up : {false, true}) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    Send(input);
  }
}

void SetKeyDelivery(KeyDelivery delivery) { platform::KeyRoad::SetDelivery(delivery); }

}  // namespace host
