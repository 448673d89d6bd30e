#include "Commands.h"

int RegisterCommand(const std::vector<std::string>& args) {
  return CallServerExport(args, "DllRegisterServer");
}
