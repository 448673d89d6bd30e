#include "user32/KeyPipeline.h"

#include "user32/KeyboardState.h"
#include "user32/UsKeyboardLayout.h"

namespace platform {
namespace {

bool IsDown(int vk) { return (KeyboardState::ForThread().Get(vk) & 0x8000) != 0; }

}  // namespace

KeyPipeline& KeyPipeline::ForThread() {
  thread_local KeyPipeline pipeline;
  return pipeline;
}

void KeyPipeline::Dispatch(const KeyEvent& event) {
  ++depth_;
  bool wasDown = KeyboardState::ForThread().Apply(event);
  bool alt = IsDown(VK_MENU);
  bool system = (alt && !IsDown(VK_CONTROL)) || event.vk == VK_F10 || event.vk == VK_MENU;
  WPARAM wParam = event.vk == VK_PACKET ? MAKEWPARAM(VK_PACKET, event.packet) : event.vk;
  LPARAM lParam = 1 | (static_cast<LPARAM>(event.scan & 0xFF) << 16);
  if (event.extended) lParam |= 1L << 24;
  if (alt) lParam |= 1L << 29;
  if (wasDown || event.up) lParam |= 1L << 30;
  if (event.up) lParam |= 1L << 31;
  if (!OfferKeyToTsf(event.up, wParam, lParam, delivery)) {
    DeliverToApplication(event, wParam, lParam, system);
  }
  if (--depth_ == 0) ReplayPending();
}

void KeyPipeline::DeliverToApplication(const KeyEvent& event, WPARAM wParam, LPARAM lParam,
                                       bool system) {
  if (event.up) {
    Record(system ? WM_SYSKEYUP : WM_KEYUP, wParam, lParam);
    return;
  }
  Record(system ? WM_SYSKEYDOWN : WM_KEYDOWN, wParam, lParam);
  // TranslateMessage: the layout's characters under the state the key left.
  WCHAR character;
  if (UsKeyboardLayout::Translate(static_cast<UINT>(wParam), KeyboardState::ForThread().bytes(),
                                  &character) == 0) {
    return;
  }
  Record(system ? WM_SYSCHAR : WM_CHAR, character, lParam);
  if (!system) TypeIntoFocusedDocument(character);
}

void KeyPipeline::Record(UINT message, WPARAM wParam, LPARAM lParam) {
  applicationMessages.push_back(ApplicationKeyMessage{message, wParam, lParam});
}

void KeyPipeline::Send(const INPUT& input) {
  sentInput.push_back(input);
  if (input.type != INPUT_KEYBOARD) return;
  const KEYBDINPUT& key = input.ki;
  bool up = (key.dwFlags & KEYEVENTF_KEYUP) != 0;
  if (key.dwFlags & KEYEVENTF_UNICODE) {
    pending_.push_back(KeyEvent::ForPacket(key.wScan, up));
    return;
  }
  if (key.wVk == 0) return;
  KeyEvent event = KeyEvent::ForKey(key.wVk, up);
  if (key.wScan != 0) event.scan = key.wScan;
  if (key.dwFlags & KEYEVENTF_EXTENDEDKEY) event.extended = true;
  pending_.push_back(event);
}

void KeyPipeline::ReplayPending() {
  if (replaying_ || depth_ > 0) return;
  replaying_ = true;
  while (!pending_.empty()) {
    KeyEvent event = pending_.front();
    pending_.pop_front();
    Dispatch(event);
  }
  replaying_ = false;
}

}  // namespace platform
