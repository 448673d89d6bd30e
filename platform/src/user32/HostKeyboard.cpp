// The host's keyboard (host/user32/Keyboard.h).
#include "host/user32/Keyboard.h"

#include "user32/KeyNames.h"
#include "user32/KeyPipeline.h"
#include "user32/KeyboardState.h"
#include "user32/UsKeyboardLayout.h"

namespace host {

using platform::KeyEvent;
using platform::KeyPipeline;

void KeyDown(UINT vk) { KeyPipeline::ForThread().Dispatch(KeyEvent::ForKey(vk, false)); }

void KeyUp(UINT vk) { KeyPipeline::ForThread().Dispatch(KeyEvent::ForKey(vk, true)); }

void PressKey(UINT vk) {
  KeyDown(vk);
  KeyUp(vk);
}

bool PressChord(const std::string& chord) {
  std::vector<UINT> keys = platform::ParseChord(chord);
  if (keys.empty()) return false;
  for (size_t i = 0; i + 1 < keys.size(); ++i) KeyDown(keys[i]);
  PressKey(keys.back());
  for (size_t i = keys.size() - 1; i-- > 0;) KeyUp(keys[i]);
  return true;
}

bool IsKnownChord(const std::string& chord) { return !platform::ParseChord(chord).empty(); }

void TypeText(const std::u16string& text) {
  for (char16_t character : text) {
    UINT vk;
    bool shift;
    if (!platform::UsKeyboardLayout::KeyFor(character, &vk, &shift)) {
      PressPacket(character);
      continue;
    }
    if (shift) KeyDown(VK_SHIFT);
    PressKey(vk);
    if (shift) KeyUp(VK_SHIFT);
  }
}

void PressPacket(char16_t character) {
  KeyPipeline::ForThread().Dispatch(KeyEvent::ForPacket(character, false));
  KeyPipeline::ForThread().Dispatch(KeyEvent::ForPacket(character, true));
}

void SetKeyDelivery(KeyDelivery delivery) { KeyPipeline::ForThread().delivery = delivery; }

std::vector<ApplicationKeyMessage> ApplicationKeyMessages() {
  return KeyPipeline::ForThread().applicationMessages;
}

std::u16string ApplicationCharacters() {
  std::u16string characters;
  for (const ApplicationKeyMessage& m : KeyPipeline::ForThread().applicationMessages) {
    if (m.message == WM_CHAR) characters += static_cast<char16_t>(m.wParam);
  }
  return characters;
}

std::vector<INPUT> SentInput() { return KeyPipeline::ForThread().sentInput; }

void ReplayPendingInput() { KeyPipeline::ForThread().ReplayPending(); }

int ToUnicodeCallsChangingState() {
  return platform::KeyboardState::ForThread().stateChangingTranslations;
}

void ResetKeyboard() {
  platform::KeyboardState::ForThread().Reset();
  KeyPipeline::ForThread() = KeyPipeline();
}

}  // namespace host
