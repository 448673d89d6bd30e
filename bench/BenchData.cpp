#include "BenchData.h"

#include "host/SystemRoot.h"
#include "service/engine/DictionaryDataFolder.h"
#include "service/module/DllMain.h"

std::string DefaultDictionaryPath() {
  std::u16string folder;
  if (!DictionaryDataFolder(&folder)) return {};
  return platform::HostPathFromWindowsPath(folder + u"lutem_bn-BD.bin");
}

std::string DefaultModelPath() {
  std::u16string folder;
  if (!DictionaryDataFolder(&folder)) return {};
  return platform::HostPathFromWindowsPath(folder + u"Lutem_LM.bin");
}

ATOM CandidateWindowClass() {
  static const ATOM atom = [] {
    static int moduleImage;
    DllMain(reinterpret_cast<HINSTANCE>(&moduleImage), DLL_PROCESS_ATTACH, nullptr);
    return CandidateWindowClassAtom;
  }();
  return atom;
}
