// The host's chords and typed text (host/user32/Keyboard.h) as single keys,
// on both builds: each platform's KeyDown, KeyUp and PressPacket play them.
#include "host/user32/Keyboard.h"
#include "user32/KeyNames.h"
#include "user32/UsKeyboardLayout.h"

namespace host {

void PressKey(UINT vk) {
  KeyDown(vk);
  KeyUp(vk);
}

bool PressChord(const std::string& chord) {
  std::vector<UINT> keys = platform::ParseChord(chord);
  if (keys.empty()) return false;
  for (size_t i = 0; i + 1 < keys.size(); ++i) KeyDown(keys[i]);
  PressKey(keys.back());
  for (size_t i = keys.size() - 1; i-- > 0;) KeyUp(keys[i]);
  return true;
}

bool IsKnownChord(const std::string& chord) { return !platform::ParseChord(chord).empty(); }

void TypeText(const std::u16string& text) {
  for (char16_t character : text) {
    UINT vk;
    bool shift;
    if (!platform::UsKeyboardLayout::KeyFor(character, &vk, &shift)) {
      PressPacket(character);
      continue;
    }
    if (shift) KeyDown(VK_SHIFT);
    PressKey(vk);
    if (shift) KeyUp(VK_SHIFT);
  }
}

}  // namespace host
