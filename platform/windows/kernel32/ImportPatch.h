// One entry of a loaded module's import address table pointed at another
// function, the way a debugger or a profiler watches a module's calls into
// the system: later calls of the module go to the replacement, which calls
// the original itself.
#pragma once

#include "Platform.h"

namespace platform {

class ImportPatch {
 public:
  // Points module's import of function from library (names compared without
  // case) at replacement; the original address, or null when the module
  // does not import it by name.
  static void* Replace(HMODULE module, const char* library, const char* function,
                       void* replacement);
};

}  // namespace platform
