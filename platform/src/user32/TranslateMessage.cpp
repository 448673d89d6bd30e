// Key messages become character messages through the keyboard layout, which
// the keyboard side of the stand-in owns; here they are only recognised.
#include "Platform.h"

BOOL TranslateMessage(const MSG* message) {
  if (message == nullptr) return FALSE;
  switch (message->message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      return TRUE;
    default:
      return FALSE;
  }
}
