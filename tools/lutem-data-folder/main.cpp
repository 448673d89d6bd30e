// Prints the host folder that stands for the input method's data folder
// (the 32-bit Program Files folder + "\Hollin\Lutem Keyboard\Dictionaries\"),
// where the dictionary thread looks for "lutem_bn-BD.bin" and
// "Lutem_LM.bin". setup.sh installs the default dictionary there.
#include <cstdio>
#include <cstring>
#include <string>

#include "host/SystemRoot.h"
#include "service/engine/DictionaryDataFolder.h"

int main(int argc, char** argv) {
  if (argc > 1) {
    const bool help = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
    std::fprintf(help ? stdout : stderr,
                 "usage: lutem-data-folder\n"
                 "  Prints the folder of the word dictionary and the language model\n"
                 "  (under LUTEM_SYSTEM_ROOT, which stands for drive C:).\n");
    return help ? 0 : 2;
  }
  std::u16string folder;
  if (!DictionaryDataFolder(&folder)) {
    std::fprintf(stderr, "lutem-data-folder: the Program Files folder is not known\n");
    return 1;
  }
  std::string host = platform::HostPathFromWindowsPath(folder);
  while (host.size() > 1 && host.back() == '/') host.pop_back();
  std::printf("%s\n", host.c_str());
  return 0;
}
