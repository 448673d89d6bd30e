#include <cstring>
#include <mutex>

#include "common/FailureSwitch.h"
#include "common/HostText.h"
#include "kernel32/ModuleTable.h"

using platform::ModuleTable;

namespace platform {

void RegisterModuleEntryPoint(const void* anyAddressInModule, DllEntryPoint entry) {
  ModuleTable::Instance().SetEntryPoint(anyAddressInModule, entry);
}

void RegisterModuleResources(const void* anyAddressInModule, const void* resFile, size_t size) {
  ModuleTable::Instance().SetResources(anyAddressInModule, resFile, size);
}

}  // namespace platform

HMODULE LoadLibraryW(LPCWSTR lpLibFileName) {
  if (lpLibFileName == nullptr || *lpLibFileName == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return ModuleTable::Instance().Load(
      std::u16string(lpLibFileName, platform::WideLength(lpLibFileName)));
}

BOOL FreeLibrary(HMODULE hLibModule) { return ModuleTable::Instance().Free(hLibModule); }

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  if (lpProcName == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return ModuleTable::Instance().Find(hModule, lpProcName);
}

DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
  std::u16string path;
  if (platform::ShouldFail("GetModuleFileNameW") ||
      !ModuleTable::Instance().PathOf(hModule, path)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  if (lpFilename == nullptr || nSize == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  if (path.size() < nSize) {
    std::memcpy(lpFilename, path.data(), path.size() * sizeof(WCHAR));
    lpFilename[path.size()] = 0;
    return static_cast<DWORD>(path.size());
  }
  std::memcpy(lpFilename, path.data(), (nSize - 1) * sizeof(WCHAR));
  lpFilename[nSize - 1] = 0;
  SetLastError(ERROR_INSUFFICIENT_BUFFER);
  return nSize;
}

HMODULE GetModuleHandleW(LPCWSTR lpModuleName) {
  if (lpModuleName == nullptr) return platform::ProgramModule();
  HMODULE found = ModuleTable::Instance().HandleOf(
      std::u16string(lpModuleName, platform::WideLength(lpModuleName)));
  if (found == nullptr) SetLastError(ERROR_MOD_NOT_FOUND);
  return found;
}
