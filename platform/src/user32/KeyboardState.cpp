#include "user32/KeyboardState.h"

#include <cstring>

namespace platform {
namespace {

struct ModifierSides {
  UINT generic;
  UINT left;
  UINT right;
};

const ModifierSides kModifiers[] = {
    {VK_SHIFT, VK_LSHIFT, VK_RSHIFT},
    {VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
    {VK_MENU, VK_LMENU, VK_RMENU},
};

}  // namespace

KeyboardState& KeyboardState::ForThread() {
  thread_local KeyboardState state;
  return state;
}

UINT KeyboardState::SideOf(const KeyEvent& event) {
  switch (event.vk) {
    case VK_SHIFT: return event.scan == 0x36 ? VK_RSHIFT : VK_LSHIFT;
    case VK_CONTROL: return event.extended ? VK_RCONTROL : VK_LCONTROL;
    case VK_MENU: return event.extended ? VK_RMENU : VK_LMENU;
    default: return 0;
  }
}

void KeyboardState::Set(UINT vk, bool down, bool pressed) {
  BYTE& key = keys_[vk & 0xFF];
  if (pressed) key ^= 0x01;
  key = down ? (key | 0x80) : (key & ~0x80);
}

bool KeyboardState::Apply(const KeyEvent& event) {
  UINT side = SideOf(event);
  UINT own = side ? side : (event.vk & 0xFF);
  bool wasDown = (keys_[own] & 0x80) != 0;
  bool pressed = !event.up && !wasDown;
  Set(own, !event.up, pressed);
  for (const ModifierSides& m : kModifiers) {
    if (m.generic != event.vk) continue;
    bool eitherDown = ((keys_[m.left] | keys_[m.right]) & 0x80) != 0;
    bool genericWasDown = (keys_[m.generic] & 0x80) != 0;
    Set(m.generic, eitherDown, eitherDown && !genericWasDown);
  }
  return wasDown;
}

SHORT KeyboardState::Get(int vk) const {
  BYTE key = keys_[vk & 0xFF];
  return static_cast<SHORT>(((key & 0x80) ? 0x8000 : 0) | (key & 0x01));
}

void KeyboardState::Reset() {
  std::memset(keys_, 0, sizeof keys_);
  stateChangingTranslations = 0;
}

}  // namespace platform
