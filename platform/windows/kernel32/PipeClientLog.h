// What a watched module wrote into named pipes it opened as a client (the
// record behind host/kernel32/PipeTraffic.h on Windows): its CreateFileW
// of a "\\.\pipe\" name, each WriteFile on that handle, its CloseHandle.
#pragma once

#include "Platform.h"

namespace platform {

class PipeClientLog {
 public:
  // Points module's imports of the three calls at the log's own.
  static bool Watch(HMODULE module);
};

}  // namespace platform
