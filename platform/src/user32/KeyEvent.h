// One key event as the keyboard (or SendInput) produces it, before it
// becomes a key message.
#pragma once

#include "Platform.h"

namespace platform {

struct KeyEvent {
  UINT vk;          // as the key message carries it: VK_SHIFT, VK_CONTROL, VK_MENU for either side
  WORD scan;        // set-1 scan code (0x36 tells the right Shift)
  bool extended;    // the right Ctrl and Alt, the arrows...
  bool up;
  char16_t packet;  // the character of a VK_PACKET event

  // The event of a key named by its code: a side's code (VK_RCONTROL) gives
  // the generic code with that side's scan code and extended bit; a generic
  // modifier stands for its left key.
  static KeyEvent ForKey(UINT vk, bool up);
  static KeyEvent ForPacket(char16_t character, bool up);
};

}  // namespace platform
