#include "service/keys/ModifierKeys.h"

std::atomic<uint16_t> CurrentModifiers{0};

namespace {

constexpr uint16_t kAltBits = TF_MOD_ALT | TF_MOD_RALT | TF_MOD_LALT;
constexpr uint16_t kControlBits = TF_MOD_CONTROL | TF_MOD_RCONTROL | TF_MOD_LCONTROL;
constexpr uint16_t kShiftBits = TF_MOD_SHIFT | TF_MOD_RSHIFT | TF_MOD_LSHIFT;
constexpr UINT kRightShiftScanCode = 0x36;

bool SideMatches(UINT row, UINT recorded, UINT anySide, UINT right, UINT left) {
  if (row & anySide) return (recorded & anySide) != 0;
  return (row & (right | left)) == (recorded & (right | left));
}

}  // namespace

BOOL TrackModifierKeys(ModifierKeysDown down, WPARAM wParam, LPARAM lParam) {
  const UINT scanCode = (static_cast<UINT_PTR>(lParam) >> 16) & 0xFF;
  const bool extended = ((static_cast<UINT_PTR>(lParam) >> 24) & 1) != 0;
  uint16_t modifiers = CurrentModifiers;
  switch (wParam & 0xFF) {
    case VK_SHIFT:
      if (down.shift)
        modifiers |= TF_MOD_SHIFT | (scanCode == kRightShiftScanCode ? TF_MOD_RSHIFT : TF_MOD_LSHIFT);
      break;
    case VK_CONTROL:
      if (down.ctrl) modifiers |= TF_MOD_CONTROL | (extended ? TF_MOD_RCONTROL : TF_MOD_LCONTROL);
      break;
    case VK_MENU:
      if (down.alt) modifiers |= TF_MOD_ALT | (extended ? TF_MOD_RALT : TF_MOD_LALT);
      break;
    default:
      break;
  }
  if (!down.alt) modifiers &= ~kAltBits;
  if (!down.ctrl) modifiers &= ~kControlBits;
  if (!down.shift) modifiers &= ~kShiftBits;
  CurrentModifiers = modifiers;
  return TRUE;
}

BOOL TrackModifierKeys(WPARAM wParam, LPARAM lParam) {
  const ModifierKeysDown down = {GetKeyState(VK_MENU) < 0, GetKeyState(VK_CONTROL) < 0,
                                 GetKeyState(VK_SHIFT) < 0};
  return TrackModifierKeys(down, wParam, lParam);
}

bool CompositionKeyModifiersMatch(UINT rowModifiers, UINT recorded) {
  const UINT row = rowModifiers & ~static_cast<UINT>(TF_MOD_ON_KEYUP);
  if ((row & TF_MOD_IGNORE_ALL_MODIFIER) || row == recorded) return true;
  if (recorded != 0 && row == 0) return false;
  return SideMatches(row, recorded, TF_MOD_ALT, TF_MOD_RALT, TF_MOD_LALT) &&
         SideMatches(row, recorded, TF_MOD_SHIFT, TF_MOD_RSHIFT, TF_MOD_LSHIFT) &&
         SideMatches(row, recorded, TF_MOD_CONTROL, TF_MOD_RCONTROL, TF_MOD_LCONTROL);
}
