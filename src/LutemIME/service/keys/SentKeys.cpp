#include "service/keys/SentKeys.h"

#include <vector>

namespace {

INPUT KeyInput(UINT vk, WORD scan, bool extended, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(vk);
  input.ki.wScan = scan;
  input.ki.dwFlags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

bool IsUp(int vk) { return GetKeyState(vk) >= 0; }

}  // namespace

bool SentKeys::Send(const KeyToSend& key) {
  std::vector<UINT> pressed;
  try {
    if (key.control && IsUp(VK_CONTROL)) pressed.push_back(VK_CONTROL);
    if (key.alt && IsUp(VK_MENU)) pressed.push_back(VK_MENU);
    if (key.shift && IsUp(VK_SHIFT)) pressed.push_back(VK_SHIFT);
    std::vector<INPUT> inputs;
    for (UINT modifier : pressed) inputs.push_back(KeyInput(modifier, 0, false, false));
    for (bool up : {false, true}) {
      INPUT input = KeyInput(key.vk, key.scan, key.extended, up);
      if (key.vk == VK_PACKET) {
        input.ki.wVk = 0;
        input.ki.wScan = key.packet;
        input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      }
      inputs.push_back(input);
    }
    for (auto modifier = pressed.rbegin(); modifier != pressed.rend(); ++modifier)
      inputs.push_back(KeyInput(*modifier, 0, false, true));

    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    for (UINT i = 0; i < sent && i < inputs.size(); ++i) {
      const KEYBDINPUT& sentKey = inputs[i].ki;
      const UINT vk = (sentKey.dwFlags & KEYEVENTF_UNICODE) != 0 ? UINT{VK_PACKET} : UINT{sentKey.wVk};
      // The modifiers pressed around a key typed again only make its chord:
      // the user's own press of them was handled in its time. Classified
      // again, a Shift would type layout 8's marker once more, and the key
      // would wait behind it, be sent again with it, and so on.
      const bool modifier = i < pressed.size() || i >= inputs.size() - pressed.size();
      expected_.push_back(
          Event{vk, (sentKey.dwFlags & KEYEVENTF_KEYUP) != 0, key.retype && !modifier});
    }
    return sent != 0;
  } catch (...) {
    // No memory for the list: the key is not sent.
    return false;
  }
}

SentKeys::Returning SentKeys::Take(UINT vk, bool up) {
  if (expected_.empty()) return Returning::No;
  const Event next = expected_.front();
  if (next.vk != (vk & 0xFFFF) || next.up != up) {
    expected_.clear();
    return Returning::No;
  }
  expected_.pop_front();
  return next.retype ? Returning::Retype : Returning::Pass;
}
