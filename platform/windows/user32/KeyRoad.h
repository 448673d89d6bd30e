// Where the thread's messages meet TSF on Windows, as TSF's own message hook
// has it: a key message taken from the queue goes to the thread manager's
// keystroke manager first (msctf/KeyRouting.h) and reaches the application
// only when no text service ate it; the application types each character
// message into the focused document.
#pragma once

#include "Platform.h"
#include "host/user32/Keyboard.h"

namespace platform {

class KeyRoad {
 public:
  // True when msg was used up here (eaten by TSF, or a character typed into
  // the document); false when the application dispatches it as usual.
  static bool Take(const MSG& msg);
  static void SetDelivery(host::KeyDelivery delivery);
};

}  // namespace platform
