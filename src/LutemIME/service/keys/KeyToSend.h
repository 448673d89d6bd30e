#pragma once

#include "Platform.h"

// A key the text service hands back to the application after it committed
// the composition: its virtual key, scan code and extended bit, and the
// modifiers that were down when the user typed it.
// VK_PACKET goes as the character it carried (KEYEVENTF_UNICODE).
struct KeyToSend {
  UINT vk = 0;
  WCHAR packet = 0;
  WORD scan = 0;
  bool extended = false;
  bool shift = false;
  bool control = false;
  bool alt = false;
};
