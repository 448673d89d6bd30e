#include "Commands.h"

int UnregisterCommand(const std::vector<std::string>& args) {
  return CallServerExport(args, "DllUnregisterServer");
}
