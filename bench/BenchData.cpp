#include "BenchData.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <vector>

#include "host/SystemRoot.h"
#include "service/engine/DictionaryDataFolder.h"
#include "service/module/DllMain.h"

namespace {

std::optional<std::string> RootFromEnvironment() {
  const char* root = std::getenv("LUTEM_SYSTEM_ROOT");
  return root != nullptr ? std::optional<std::string>(root) : std::nullopt;
}

// The drive C: the user ran the benchmarks with, read before any benchmark
// moves the process to a drive of its own: that is where setup.sh put the
// default dictionary.
const std::optional<std::string> userRoot = RootFromEnvironment();

void SetRoot(const std::optional<std::string>& root) {
  if (root)
    setenv("LUTEM_SYSTEM_ROOT", root->c_str(), 1);
  else
    unsetenv("LUTEM_SYSTEM_ROOT");
}

std::mutex foldersLock;
std::vector<std::string>& Folders() {
  static std::vector<std::string> folders;
  return folders;
}

void RemoveFolders() {
  std::lock_guard<std::mutex> hold(foldersLock);
  for (const std::string& folder : Folders()) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  Folders().clear();
}

}  // namespace

std::string DefaultDictionaryPath() {
  const std::optional<std::string> current = RootFromEnvironment();
  SetRoot(userRoot);
  std::u16string folder;
  const bool found = DictionaryDataFolder(&folder);
  const std::string path =
      found ? platform::HostPathFromWindowsPath(folder + u"lutem_bn-BD.bin") : std::string();
  SetRoot(current);
  return path;
}

std::string BenchTempFolder(const char* prefix) {
  std::string folder =
      (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
  if (mkdtemp(folder.data()) == nullptr) return {};
  std::lock_guard<std::mutex> hold(foldersLock);
  if (Folders().empty()) std::atexit(RemoveFolders);
  Folders().push_back(folder);
  return folder;
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
