// Windows only: what a loaded module (the input method) does through the
// system's own calls, which the stand-in on Linux sees by itself. Once
// watched, the module's CreateFileW, WriteFile and CloseHandle on named
// pipes reach host/kernel32/PipeTraffic.h, and its UpdateLayeredWindow
// pictures host/user32/LayeredPicture.h.
#pragma once

#include "Platform.h"

namespace host {

// False when the module imports none of the calls by name.
bool WatchModuleImports(HMODULE module);

}  // namespace host
