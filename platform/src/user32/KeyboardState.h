// The calling thread's keyboard state as GetKeyState and GetKeyboardState
// report it, following the key events played on the thread (WinKeyboard.h
// says how).
#pragma once

#include "Platform.h"
#include "user32/KeyEvent.h"

namespace platform {

class KeyboardState {
 public:
  static KeyboardState& ForThread();

  // Whether the key was down before the event (bit 30 of a key message).
  bool Apply(const KeyEvent& event);
  SHORT Get(int vk) const;
  const BYTE* bytes() const { return keys_; }
  // Every key up, nothing toggled, no translation counted.
  void Reset();

  // ToUnicode calls that would have changed the layout's dead-key state on
  // Windows (no flag bit 2).
  int stateChangingTranslations = 0;

 private:
  // The side's code of a modifier event, or 0 for any other key.
  static UINT SideOf(const KeyEvent& event);
  void Set(UINT vk, bool down, bool pressed);

  BYTE keys_[256] = {};
};

}  // namespace platform
