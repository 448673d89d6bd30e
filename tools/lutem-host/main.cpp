// lutem-host: the program that plays Windows' part for the input method on
// this machine, on the stand-in (see --help).
#include <cstdio>
#include <cstring>

#include "Commands.h"

namespace {

const char kUsage[] =
    "usage: lutem-host register [--module PATH]\n"
    "       lutem-host unregister [--module PATH]\n"
    "       lutem-host registry [KEY]\n"
    "\n"
    "register and unregister do what regsvr32 does: load the input method's\n"
    "module (by default LutemIME.so next to this program), call its\n"
    "DllRegisterServer or DllUnregisterServer and print the HRESULT in hex.\n"
    "Exit 0 on S_OK, 1 on any other result, 2 when the module cannot be loaded.\n"
    "\n"
    "registry writes KEY and every key below it with their values; KEY begins\n"
    "with HKEY_CLASSES_ROOT (HKCR), HKEY_CURRENT_USER (HKCU) or\n"
    "HKEY_LOCAL_MACHINE (HKLM); by default the input method's class key,\n"
    "HKEY_CLASSES_ROOT\\CLSID\\{...}. Exit 1 when the key does not exist.\n"
    "\n"
    "Everything runs on the stand-in's drive C: under LUTEM_SYSTEM_ROOT.\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::fputs(kUsage, argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  std::string command = argv[1];
  if (command == "register") return RegisterCommand(args);
  if (command == "unregister") return UnregisterCommand(args);
  if (command == "registry") return RegistryCommand(args);
  std::fprintf(stderr, "lutem-host: unknown command %s\n\n%s", command.c_str(), kUsage);
  return 2;
}
