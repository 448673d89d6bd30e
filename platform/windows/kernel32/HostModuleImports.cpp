#include "host/kernel32/ModuleImports.h"

#include "kernel32/PipeClientLog.h"
#include "user32/LayeredPictureLog.h"

namespace host {

bool WatchModuleImports(HMODULE module) {
  bool pipes = platform::PipeClientLog::Watch(module);
  bool pictures = platform::LayeredPictureLog::Watch(module);
  return pipes || pictures;
}

}  // namespace host
