#include "user32/KeyEvent.h"

#include "user32/UsKeyboardLayout.h"

namespace platform {

KeyEvent KeyEvent::ForKey(UINT vk, bool up) {
  KeyEvent event{vk, UsKeyboardLayout::ScanCode(vk), UsKeyboardLayout::IsExtended(vk), up, 0};
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT: event.vk = VK_SHIFT; break;
    case VK_LCONTROL:
    case VK_RCONTROL: event.vk = VK_CONTROL; break;
    case VK_LMENU:
    case VK_RMENU: event.vk = VK_MENU; break;
    default: break;
  }
  return event;
}

KeyEvent KeyEvent::ForPacket(char16_t character, bool up) {
  return KeyEvent{VK_PACKET, 0, false, up, character};
}

}  // namespace platform
