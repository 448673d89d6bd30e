#include "common/FailureSwitch.h"
#include "kernel32/ModuleTable.h"

using platform::ResourceEntry;
using platform::ResourceId;

HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType) {
  if (lpName == nullptr || lpType == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (platform::ShouldFail("FindResourceW")) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  const std::vector<ResourceEntry>* resources =
      platform::ModuleTable::Instance().ResourcesOf(hModule);
  if (resources == nullptr) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return nullptr;
  }
  ResourceId type = ResourceId::FromArgument(lpType);
  ResourceId name = ResourceId::FromArgument(lpName);
  const ResourceEntry* chosen = nullptr;
  bool typeSeen = false;
  for (const ResourceEntry& entry : *resources) {
    if (!(entry.type == type)) continue;
    typeSeen = true;
    if (!(entry.name == name)) continue;
    if (chosen == nullptr || (entry.language == 0 && chosen->language != 0)) chosen = &entry;
  }
  if (chosen == nullptr) {
    SetLastError(typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(chosen));
}

HGLOBAL LoadResource(HMODULE, HRSRC hResInfo) {
  if (hResInfo == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (platform::ShouldFail("LoadResource")) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  const auto* entry = reinterpret_cast<const ResourceEntry*>(hResInfo);
  return const_cast<BYTE*>(entry->data);
}

LPVOID LockResource(HGLOBAL hResData) { return hResData; }

DWORD SizeofResource(HMODULE, HRSRC hResInfo) {
  if (hResInfo == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return reinterpret_cast<const ResourceEntry*>(hResInfo)->size;
}
