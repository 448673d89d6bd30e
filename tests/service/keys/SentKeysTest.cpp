// The keys the text service sends the application again: what SendInput
// gets, and which returning key events are recognised as its own. SendInput
// is read back from the stand-in, so these run here only.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <vector>

#include "host/FailureSwitch.h"
#include "host/user32/Keyboard.h"
#include "service/keys/SentKeys.h"

namespace {

using Returning = SentKeys::Returning;

class SentKeysTest : public ::testing::Test {
 protected:
  void SetUp() override { host::ResetKeyboard(); }
  void TearDown() override {
    host::ClearFailures();
    host::ResetKeyboard();
  }
  // The sent entries as (virtual key, up); VK_PACKET for a character.
  static std::vector<std::pair<UINT, bool>> Sent() {
    std::vector<std::pair<UINT, bool>> sent;
    for (const INPUT& input : host::SentInput()) {
      const bool unicode = (input.ki.dwFlags & KEYEVENTF_UNICODE) != 0;
      sent.emplace_back(unicode ? UINT{VK_PACKET} : UINT{input.ki.wVk},
                        (input.ki.dwFlags & KEYEVENTF_KEYUP) != 0);
    }
    return sent;
  }
};

TEST_F(SentKeysTest, ModifiersThatWereDownAndAreUpNowArePressedAroundTheKey) {
  SentKeys keys;
  KeyToSend at;
  at.vk = '2';
  at.shift = true;
  at.control = true;
  ASSERT_TRUE(keys.Send(at));
  using Event = std::pair<UINT, bool>;
  EXPECT_EQ(Sent(), (std::vector<Event>{{VK_CONTROL, false}, {VK_SHIFT, false}, {'2', false},
                                        {'2', true}, {VK_SHIFT, true}, {VK_CONTROL, true}}));
  EXPECT_EQ(keys.Pending(), 6u);

  host::ResetKeyboard();
  host::KeyDown(VK_SHIFT);  // still held: not pressed again
  SentKeys held;
  KeyToSend shifted;
  shifted.vk = '2';
  shifted.shift = true;
  ASSERT_TRUE(held.Send(shifted));
  EXPECT_EQ(Sent(), (std::vector<Event>{{'2', false}, {'2', true}}));
  host::KeyUp(VK_SHIFT);
}

TEST_F(SentKeysTest, AnInjectedCharacterGoesBackAsTheSameCharacter) {
  SentKeys keys;
  KeyToSend packet;
  packet.vk = VK_PACKET;
  packet.packet = 0xF003;
  ASSERT_TRUE(keys.Send(packet));
  ASSERT_EQ(host::SentInput().size(), 2u);
  EXPECT_EQ(host::SentInput()[0].ki.wScan, 0xF003);
  EXPECT_EQ(host::SentInput()[0].ki.dwFlags, DWORD{KEYEVENTF_UNICODE});
  EXPECT_EQ(keys.Take(VK_PACKET | (0xF003u << 16), false), Returning::Pass);
}

TEST_F(SentKeysTest, ReturningEventsAreTakenInOrderAndAStrangerForgetsTheRest) {
  SentKeys keys;
  KeyToSend tab;
  tab.vk = VK_TAB;
  KeyToSend retyped;
  retyped.vk = 'K';
  retyped.retype = true;
  ASSERT_TRUE(keys.Send(tab));
  ASSERT_TRUE(keys.Send(retyped));
  EXPECT_EQ(keys.Take(VK_TAB, true), Returning::No) << "the key-up is not next";
  EXPECT_EQ(keys.Pending(), 0u) << "an event out of turn: the rest went elsewhere";

  ASSERT_TRUE(keys.Send(tab));
  ASSERT_TRUE(keys.Send(retyped));
  EXPECT_EQ(keys.Take(VK_TAB, false), Returning::Pass);
  EXPECT_EQ(keys.Take(VK_TAB, true), Returning::Pass);
  EXPECT_EQ(keys.Take('K', false), Returning::Retype);
  EXPECT_EQ(keys.Take('K', true), Returning::Retype);
  EXPECT_EQ(keys.Take('K', false), Returning::No) << "the user's own key";
}

TEST_F(SentKeysTest, NothingIsExpectedWhenSendInputRefuses) {
  host::FailCall("SendInput");
  SentKeys keys;
  KeyToSend enter;
  enter.vk = VK_RETURN;
  EXPECT_FALSE(keys.Send(enter));
  EXPECT_EQ(keys.Pending(), 0u);
  EXPECT_EQ(keys.Take(VK_RETURN, false), Returning::No);
}

}  // namespace
#endif  // _WIN32
