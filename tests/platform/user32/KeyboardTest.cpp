// The stand-in's keyboard: key state, the US layout's characters and scan
// codes, and the key messages an application without TSF receives.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/user32/Keyboard.h"

namespace {

using ::testing::ElementsAre;

struct KeyboardTest : ::testing::Test {
  void TearDown() override {
    host::ResetKeyboard();
    host::ClearFailures();
  }
};

// The characters ToUnicode gives for vk with the keys of held down.
std::u16string Translate(UINT vk, std::initializer_list<UINT> held = {}, bool capsLock = false) {
  BYTE state[256] = {};
  for (UINT key : held) state[key] = 0x80;
  if (capsLock) state[VK_CAPITAL] = 0x01;
  WCHAR buffer[4] = {};
  int count = ToUnicode(vk, MapVirtualKeyW(vk, MAPVK_VK_TO_VSC), state, buffer, 4, 0);
  EXPECT_GE(count, 0);
  return std::u16string(AsChar16(buffer), count);
}

TEST_F(KeyboardTest, OnlyATranslationWithoutFlagFourCountsAsChangingTheKeyboardState) {
  BYTE state[256] = {};
  WCHAR buffer[2] = {};
  EXPECT_EQ(ToUnicode('A', 0x1E, state, buffer, 1, 0x4), 1);
  EXPECT_EQ(host::ToUnicodeCallsChangingState(), 0);
  EXPECT_EQ(ToUnicode('A', 0x1E, state, buffer, 1, 0), 1);
  EXPECT_EQ(ToUnicode('B', 0x30, state, buffer, 1, 0x1), 1);
  EXPECT_EQ(host::ToUnicodeCallsChangingState(), 2);
  host::ResetKeyboard();
  EXPECT_EQ(host::ToUnicodeCallsChangingState(), 0);
}

TEST_F(KeyboardTest, ToUnicodeFollowsTheUsLayout) {
  struct Case {
    UINT vk;
    std::initializer_list<UINT> held;
    bool caps;
    std::u16string expected;
  };
  const Case cases[] = {
      {'A', {}, false, u"a"},
      {'A', {VK_SHIFT}, false, u"A"},
      {'A', {}, true, u"A"},
      {'A', {VK_SHIFT}, true, u"a"},
      {'A', {VK_CONTROL}, false, u"\x01"},
      {'Z', {VK_CONTROL, VK_SHIFT}, false, u"\x1a"},
      {'2', {VK_SHIFT}, false, u"@"},
      {'2', {VK_SHIFT}, true, u"@"},
      {VK_OEM_1, {VK_SHIFT}, false, u":"},
      {VK_OEM_7, {}, false, u"'"},
      {VK_OEM_4, {VK_CONTROL}, false, u"\x1b"},
      {VK_OEM_MINUS, {VK_CONTROL, VK_SHIFT}, false, u"\x1f"},
      {VK_RETURN, {}, false, u"\r"},
      {VK_RETURN, {VK_CONTROL}, false, u"\n"},
      {VK_TAB, {}, false, u"\t"},
      {VK_ESCAPE, {}, false, u"\x1b"},
      {VK_BACK, {}, false, u"\b"},
      {VK_BACK, {VK_CONTROL}, false, u"\x7f"},
      {VK_SPACE, {VK_CONTROL}, false, u" "},
      {VK_NUMPAD3, {}, false, u"3"},
      {VK_DECIMAL, {}, false, u"."},
      {'X', {VK_MENU}, false, u"x"},
      {'X', {VK_CONTROL, VK_MENU}, false, u""},
      {VK_F1, {}, false, u""},
      {VK_SHIFT, {VK_SHIFT}, false, u""},
      {VK_LEFT, {}, false, u""},
      {VK_PACKET, {}, false, u""},
      {MAKEWPARAM(VK_PACKET, 0xF003), {}, false, u"\xf003"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vk);
    EXPECT_EQ(Translate(c.vk, c.held, c.caps), c.expected);
  }
}

TEST_F(KeyboardTest, ScanCodesOfTheSidesAndExtendedKeys) {
  EXPECT_EQ(MapVirtualKeyW(VK_SHIFT, MAPVK_VK_TO_VSC), 0x2Au);
  EXPECT_EQ(MapVirtualKeyW(VK_LSHIFT, MAPVK_VK_TO_VSC), 0x2Au);
  EXPECT_EQ(MapVirtualKeyW(VK_RSHIFT, MAPVK_VK_TO_VSC), 0x36u);
  EXPECT_EQ(MapVirtualKeyW(VK_RCONTROL, MAPVK_VK_TO_VSC), 0x1Du);
  EXPECT_EQ(MapVirtualKeyW(VK_RCONTROL, MAPVK_VK_TO_VSC_EX), 0xE01Du);
  EXPECT_EQ(MapVirtualKeyW('A', MAPVK_VK_TO_VSC), 0x1Eu);
  EXPECT_EQ(MapVirtualKeyW(VK_SPACE, MAPVK_VK_TO_VSC), 0x39u);
  EXPECT_EQ(MapVirtualKeyW(VK_PACKET, MAPVK_VK_TO_VSC), 0u);
  EXPECT_EQ(MapVirtualKeyW(0x1E, MAPVK_VSC_TO_VK), 0u);

  host::KeyDown(VK_RSHIFT);
  host::KeyDown(VK_RCONTROL);
  host::KeyDown(VK_LMENU);
  std::vector<host::ApplicationKeyMessage> messages = host::ApplicationKeyMessages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].wParam, static_cast<WPARAM>(VK_SHIFT));
  EXPECT_EQ((messages[0].lParam >> 16) & 0xFF, 0x36);
  EXPECT_EQ(messages[1].wParam, static_cast<WPARAM>(VK_CONTROL));
  EXPECT_EQ((messages[1].lParam >> 24) & 1, 1);
  EXPECT_EQ(messages[2].wParam, static_cast<WPARAM>(VK_MENU));
  EXPECT_EQ((messages[2].lParam >> 24) & 1, 0);
  EXPECT_EQ((messages[2].lParam >> 29) & 1, 1);  // Alt is down
}

TEST_F(KeyboardTest, KeyStateKeepsSidesGenericCodesAndToggles) {
  host::KeyDown(VK_LSHIFT);
  host::KeyDown(VK_RSHIFT);
  EXPECT_TRUE(GetKeyState(VK_SHIFT) & 0x8000);
  EXPECT_TRUE(GetKeyState(VK_LSHIFT) & 0x8000);
  EXPECT_TRUE(GetKeyState(VK_RSHIFT) & 0x8000);
  host::KeyUp(VK_LSHIFT);
  EXPECT_TRUE(GetKeyState(VK_SHIFT) & 0x8000);  // the right one is still down
  host::KeyUp(VK_RSHIFT);
  EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
  EXPECT_EQ(GetKeyState(VK_SHIFT) & 1, 1);

  host::PressKey(VK_CAPITAL);
  EXPECT_EQ(GetKeyState(VK_CAPITAL), 1);
  host::PressKey('Q');
  EXPECT_EQ(host::ApplicationCharacters(), u"Q");
  host::PressKey(VK_CAPITAL);
  EXPECT_EQ(GetKeyState(VK_CAPITAL), 0);

  BYTE state[256];
  host::KeyDown(VK_RMENU);
  ASSERT_TRUE(GetKeyboardState(state));
  EXPECT_EQ(state[VK_RMENU] & 0x80, 0x80);
  EXPECT_EQ(state[VK_MENU] & 0x80, 0x80);
  EXPECT_EQ(state[VK_LMENU] & 0x80, 0);
  host::FailCall("GetKeyboardState");
  EXPECT_FALSE(GetKeyboardState(state));
}

TEST_F(KeyboardTest, AKeyHeldDownRepeatsWithItsPreviousStateBit) {
  host::KeyDown('K');
  host::KeyDown('K');
  host::KeyUp('K');
  std::vector<host::ApplicationKeyMessage> messages = host::ApplicationKeyMessages();
  ASSERT_EQ(messages.size(), 5u);
  EXPECT_EQ((messages[0].lParam >> 30) & 3, 0);
  EXPECT_EQ((messages[2].lParam >> 30) & 3, 1);
  EXPECT_EQ(messages[4].message, static_cast<UINT>(WM_KEYUP));
  EXPECT_EQ((messages[4].lParam >> 30) & 3, 3);
  EXPECT_EQ(host::ApplicationCharacters(), u"kk");
}

}  // namespace
