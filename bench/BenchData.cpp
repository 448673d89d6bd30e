#include "BenchData.h"

#include "host/SystemRoot.h"
#include "service/engine/DictionaryDataFolder.h"

std::string DefaultDictionaryPath() {
  std::u16string folder;
  if (!DictionaryDataFolder(&folder)) return {};
  return platform::HostPathFromWindowsPath(folder + u"lutem_bn-BD.bin");
}
