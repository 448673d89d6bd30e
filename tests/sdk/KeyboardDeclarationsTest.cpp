// The keyboard declarations the text service uses, checked on both builds
// against the same values: here our headers, under Wine mingw-w64's.
#include <gtest/gtest.h>

#include <cstddef>

#include "Platform.h"

namespace {

TEST(KeyboardDeclarationsTest, VirtualKeysAndFlags) {
  struct Case {
    const char* name;
    unsigned value;
    unsigned expected;
  };
  const Case cases[] = {
      {"VK_LSHIFT", VK_LSHIFT, 0xA0},       {"VK_RSHIFT", VK_RSHIFT, 0xA1},
      {"VK_LCONTROL", VK_LCONTROL, 0xA2},   {"VK_RCONTROL", VK_RCONTROL, 0xA3},
      {"VK_LMENU", VK_LMENU, 0xA4},         {"VK_RMENU", VK_RMENU, 0xA5},
      {"VK_CAPITAL", VK_CAPITAL, 0x14},     {"VK_F1", VK_F1, 0x70},
      {"VK_F10", VK_F10, 0x79},             {"VK_F24", VK_F24, 0x87},
      {"VK_DELETE", VK_DELETE, 0x2E},       {"VK_DECIMAL", VK_DECIMAL, 0x6E},
      {"VK_DIVIDE", VK_DIVIDE, 0x6F},       {"VK_OEM_102", VK_OEM_102, 0xE2},
      {"VK_PACKET", VK_PACKET, 0xE7},       {"VK_NUMLOCK", VK_NUMLOCK, 0x90},
      {"INPUT_KEYBOARD", INPUT_KEYBOARD, 1}, {"KEYEVENTF_KEYUP", KEYEVENTF_KEYUP, 2},
      {"KEYEVENTF_UNICODE", KEYEVENTF_UNICODE, 4},
      {"KEYEVENTF_EXTENDEDKEY", KEYEVENTF_EXTENDEDKEY, 1},
      {"MAPVK_VK_TO_VSC", MAPVK_VK_TO_VSC, 0}, {"MAPVK_VK_TO_VSC_EX", MAPVK_VK_TO_VSC_EX, 4},
      {"WM_SYSCHAR", WM_SYSCHAR, 0x106},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.value, c.expected);
  }
}

TEST(KeyboardDeclarationsTest, InputRecordLayout) {
  EXPECT_EQ(sizeof(INPUT), 40u);
  EXPECT_EQ(offsetof(INPUT, ki), 8u);
  EXPECT_EQ(sizeof(KEYBDINPUT), 24u);
  EXPECT_EQ(offsetof(KEYBDINPUT, dwFlags), 4u);
}

}  // namespace
