// Where the thread's key pipeline (user32/KeyPipeline.h) meets TSF: the
// application's message loop offers each key message to the thread
// manager's keystroke manager before it handles the key itself, and types
// the characters it handles into the focused document.
#pragma once

#include "Platform.h"
#include "host/user32/Keyboard.h"

namespace platform {

using host::KeyDelivery;

// True when the calling thread's TSF ate the key (a text service or a
// preserved key); false without a thread manager. A key the test ate stays
// eaten whatever KeyDown answers.
bool OfferKeyToTsf(bool keyUp, WPARAM wParam, LPARAM lParam, KeyDelivery delivery);

// The application types a character message into the focused document's top
// context, if there is one.
void TypeIntoFocusedDocument(WCHAR character);

}  // namespace platform
