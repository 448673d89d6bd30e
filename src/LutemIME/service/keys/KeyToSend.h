#pragma once

#include "Platform.h"

// A key the text service sends again, with SendInput, once what was typed
// before it is done: its virtual key, scan code and extended bit, and the
// modifiers that were down when the user typed it. A key sent to be typed
// again (retype) is classified when it comes back, like any key; any other
// goes to the application as it is.
// VK_PACKET goes as the character it carried (KEYEVENTF_UNICODE).
struct KeyToSend {
  UINT vk = 0;
  WCHAR packet = 0;
  WORD scan = 0;
  bool extended = false;
  bool shift = false;
  bool control = false;
  bool alt = false;
  bool retype = false;
};
