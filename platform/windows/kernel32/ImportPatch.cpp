#include "kernel32/ImportPatch.h"

#include <cstring>

namespace platform {
namespace {

template <typename T>
T* At(HMODULE module, DWORD offset) {
  return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

}  // namespace

void* ImportPatch::Replace(HMODULE module, const char* library, const char* function,
                           void* replacement) {
  if (module == nullptr) return nullptr;
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
  auto* nt = At<IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
  if (nt->Signature != IMAGE_NT_SIGNATURE) return nullptr;
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0) return nullptr;
  for (auto* entry = At<IMAGE_IMPORT_DESCRIPTOR>(module, directory.VirtualAddress); entry->Name != 0;
       ++entry) {
    if (_stricmp(At<char>(module, entry->Name), library) != 0) continue;
    auto* names = At<IMAGE_THUNK_DATA>(
        module, entry->OriginalFirstThunk != 0 ? entry->OriginalFirstThunk : entry->FirstThunk);
    auto* slots = At<IMAGE_THUNK_DATA>(module, entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = At<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
      DWORD protection = 0;
      if (!VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE,
                          &protection))
        return nullptr;
      void* original = reinterpret_cast<void*>(slots->u1.Function);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), protection, &protection);
      return original;
    }
  }
  return nullptr;
}

}  // namespace platform
