// The host's keyboard (host/user32/Keyboard.h).
#include "host/user32/Keyboard.h"

#include "user32/KeyPipeline.h"
#include "user32/KeyboardState.h"

namespace host {

using platform::KeyEvent;
using platform::KeyPipeline;

void KeyDown(UINT vk) { KeyPipeline::ForThread().Dispatch(KeyEvent::ForKey(vk, false)); }

void KeyUp(UINT vk) { KeyPipeline::ForThread().Dispatch(KeyEvent::ForKey(vk, true)); }

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
