#pragma once

#include <atomic>
#include <cstdint>

#include "Platform.h"

// The modifier keys as the key sinks last saw them, a TF_MOD_* mask shared by
// every text service object of the process. 0 at load; written only by
// TrackModifierKeys, read by the composition-key look-up. A modifier pressed
// while no text service received keys counts as up until its own key event.
// Atomic: the key sinks of every UI thread of the process write it.
extern std::atomic<uint16_t> CurrentModifiers;

// Which of Alt (VK_MENU), Ctrl and Shift are down now: the high bit of
// GetKeyState for each, read by the key sink as the key arrives.
struct ModifierKeysDown {
  bool alt;
  bool ctrl;
  bool shift;
};

// Records the key message's modifier in CurrentModifiers with its side (right
// Shift by scan code 0x36, right Ctrl and Alt by the extended-key bit) and
// clears the bits of every modifier that is up. Every key sink callback runs
// it first. Always TRUE.
BOOL TrackModifierKeys(ModifierKeysDown down, WPARAM wParam, LPARAM lParam);
// The same with the modifiers read now with GetKeyState, as the key sink
// calls it.
BOOL TrackModifierKeys(WPARAM wParam, LPARAM lParam);

// Whether a composition-key row's TF_MOD_* modifiers match the recorded ones.
// A row with TF_MOD_IGNORE_ALL_MODIFIER always matches, TF_MOD_ON_KEYUP plays
// no part; a row without modifiers wants none recorded; a row with a
// side-free bit (TF_MOD_SHIFT...) takes either side, and one without it
// wants the recorded side bits exactly.
bool CompositionKeyModifiersMatch(UINT rowModifiers, UINT recorded);
