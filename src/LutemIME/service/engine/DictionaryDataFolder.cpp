#include "service/engine/DictionaryDataFolder.h"

#include "Platform.h"

namespace {

const char16_t kDictionariesSubfolder[] = u"\\Hollin\\Lutem Keyboard\\Dictionaries\\";

}  // namespace

bool DictionaryDataFolder(std::u16string* folder) {
  WCHAR programFiles[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILESX86, nullptr, SHGFP_TYPE_CURRENT,
                              programFiles)))
    return false;
  std::u16string path(reinterpret_cast<const char16_t*>(programFiles));
  path += kDictionariesSubfolder;
  // A cut folder would name another place; no folder is the honest answer.
  if (path.size() >= MAX_PATH) return false;
  *folder = std::move(path);
  return true;
}
