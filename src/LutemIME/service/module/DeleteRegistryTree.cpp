#include "service/module/DeleteRegistryTree.h"

LONG DeleteRegistryTree(HKEY parent, LPCWSTR subKey) {
  HKEY key = nullptr;
  LONG opened = RegOpenKeyW(parent, subKey, &key);
  // Only a key that is not there is deleted already; one that cannot be
  // opened is still there.
  if (opened == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
  if (opened != ERROR_SUCCESS) return opened;
  LONG result = ERROR_SUCCESS;
  for (;;) {
    WCHAR name[256];
    DWORD length = 256;
    if (RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    name[255] = 0;
    result = DeleteRegistryTree(key, name);
    if (result != ERROR_SUCCESS) break;
  }
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return result;
  return RegDeleteKeyW(parent, subKey);
}
