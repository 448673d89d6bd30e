// The names of keys in the host's chords ("Ctrl+Shift+C"): host/user32/
// Keyboard.h lists them.
#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace platform {

// The keys of chord in the order they go down (modifiers first), side codes
// for sided modifiers (VK_RCONTROL); empty for a chord with a name it does
// not know.
std::vector<UINT> ParseChord(const std::string& chord);

}  // namespace platform
