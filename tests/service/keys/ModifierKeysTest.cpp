#include <gtest/gtest.h>

#include <vector>

#include "service/keys/ModifierKeys.h"

namespace {

constexpr LPARAM kLeftShiftScan = 0x2A << 16;
constexpr LPARAM kRightShiftScan = 0x36 << 16;
constexpr LPARAM kExtended = 1 << 24;

struct KeyEvent {
  ModifierKeysDown down;
  WPARAM vk;
  LPARAM lParam;
};

struct Case {
  const char* name;
  std::vector<KeyEvent> events;
  uint16_t expected;
};

TEST(TrackModifierKeys, RecordsEachModifierWithItsSideAndClearsWhatIsUp) {
  const ModifierKeysDown none{false, false, false};
  const ModifierKeysDown shift{false, false, true};
  const ModifierKeysDown ctrl{false, true, false};
  const ModifierKeysDown alt{true, false, false};
  const ModifierKeysDown ctrlShift{false, true, true};
  const Case cases[] = {
      {"left Shift", {{shift, VK_SHIFT, kLeftShiftScan}}, TF_MOD_SHIFT | TF_MOD_LSHIFT},
      {"right Shift by its scan code", {{shift, VK_SHIFT, kRightShiftScan}},
       TF_MOD_SHIFT | TF_MOD_RSHIFT},
      {"left Ctrl", {{ctrl, VK_CONTROL, 0}}, TF_MOD_CONTROL | TF_MOD_LCONTROL},
      {"right Ctrl is extended", {{ctrl, VK_CONTROL, kExtended}}, TF_MOD_CONTROL | TF_MOD_RCONTROL},
      {"left Alt", {{alt, VK_MENU, 0}}, TF_MOD_ALT | TF_MOD_LALT},
      {"right Alt is extended", {{alt, VK_MENU, kExtended}}, TF_MOD_ALT | TF_MOD_RALT},
      {"a letter while Shift is held keeps it", {{shift, VK_SHIFT, 0}, {shift, 'A', 0}},
       TF_MOD_SHIFT | TF_MOD_LSHIFT},
      {"both Shift keys", {{shift, VK_SHIFT, kLeftShiftScan}, {shift, VK_SHIFT, kRightShiftScan}},
       TF_MOD_SHIFT | TF_MOD_LSHIFT | TF_MOD_RSHIFT},
      {"Shift released", {{shift, VK_SHIFT, 0}, {none, VK_SHIFT, 0}}, 0},
      {"Ctrl released, Shift kept",
       {{ctrlShift, VK_CONTROL, 0}, {ctrlShift, VK_SHIFT, 0}, {shift, 'A', 0}},
       TF_MOD_SHIFT | TF_MOD_LSHIFT},
      {"a letter adds nothing", {{shift, 'A', 0}}, 0},
      {"only the low byte names the key", {{shift, 0x1000 | VK_SHIFT, 0}},
       TF_MOD_SHIFT | TF_MOD_LSHIFT},
  };
  const uint16_t saved = CurrentModifiers;
  for (const Case& c : cases) {
    CurrentModifiers = 0;
    for (const KeyEvent& e : c.events) EXPECT_TRUE(TrackModifierKeys(e.down, e.vk, e.lParam));
    EXPECT_EQ(CurrentModifiers, c.expected) << c.name;
  }
  CurrentModifiers = saved;
}

TEST(CompositionKeyModifiersMatch, SideFreeRowsTakeEitherSideAndOthersMatchExactly) {
  struct Match {
    UINT row, recorded;
    bool matches;
  } cases[] = {
      {0, 0, true},
      {0, TF_MOD_SHIFT | TF_MOD_LSHIFT, false},  // a plain row wants nothing held
      {TF_MOD_SHIFT, TF_MOD_SHIFT | TF_MOD_LSHIFT, true},
      {TF_MOD_SHIFT, TF_MOD_SHIFT | TF_MOD_RSHIFT, true},
      {TF_MOD_SHIFT, TF_MOD_SHIFT | TF_MOD_LSHIFT | TF_MOD_CONTROL | TF_MOD_LCONTROL, false},
      {TF_MOD_SHIFT, TF_MOD_SHIFT | TF_MOD_LSHIFT | TF_MOD_ALT | TF_MOD_RALT, false},
      {TF_MOD_SHIFT, 0, false},
      {TF_MOD_SHIFT | TF_MOD_ON_KEYUP, TF_MOD_SHIFT | TF_MOD_LSHIFT, true},
      {TF_MOD_LSHIFT, TF_MOD_SHIFT | TF_MOD_LSHIFT, true},
      {TF_MOD_LSHIFT, TF_MOD_SHIFT | TF_MOD_RSHIFT, false},
      {TF_MOD_CONTROL | TF_MOD_SHIFT, TF_MOD_CONTROL | TF_MOD_RCONTROL | TF_MOD_SHIFT | TF_MOD_LSHIFT,
       true},
      {TF_MOD_IGNORE_ALL_MODIFIER, TF_MOD_ALT | TF_MOD_LALT | TF_MOD_CONTROL | TF_MOD_LCONTROL,
       true},
  };
  for (const Match& c : cases)
    EXPECT_EQ(CompositionKeyModifiersMatch(c.row, c.recorded), c.matches)
        << std::hex << "row 0x" << c.row << ", recorded 0x" << c.recorded;
}

}  // namespace
