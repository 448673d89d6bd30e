// The US keyboard layout the stand-in's keyboard has: scan codes of the
// virtual keys, the characters keys give under the modifiers, and, for the
// host, the key that types a character. WinKeyboard.h says what it gives.
#pragma once

#include "Platform.h"

namespace platform {

class UsKeyboardLayout {
 public:
  // The set-1 scan code of vk (without the 0xE0 prefix), 0 for none.
  static WORD ScanCode(UINT vk);
  // Whether vk's key sends the 0xE0 prefix (the extended-key bit).
  static bool IsExtended(UINT vk);
  // The characters of vk (its low word; VK_PACKET carries one in the high
  // word) under the key state: 0 or 1 written to out.
  static int Translate(UINT vk, const BYTE* keyState, WCHAR* out);
  // The key and Shift that type character; false when no key does.
  static bool KeyFor(char16_t character, UINT* vk, bool* shift);
};

}  // namespace platform
