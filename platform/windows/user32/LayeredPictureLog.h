// The pictures a watched module handed to UpdateLayeredWindow (the record
// behind host/user32/LayeredPicture.h on Windows): a copy of the source
// DC's 32-bit DIB section at each call, per window.
#pragma once

#include "Platform.h"

namespace platform {

class LayeredPictureLog {
 public:
  static bool Watch(HMODULE module);
};

}  // namespace platform
