// ModuleVariables on Windows: the places come from the COFF symbol table of
// the module's file, which the linker keeps unless the file is stripped whole.
#include <string>

#include "ModuleSymbols.h"
#include "ModuleVariables.h"
#include "Platform.h"

bool ModuleVariables::Open(const std::string& path, const std::vector<std::string>& names) {
  int units = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
  if (units <= 0) return false;
  std::wstring file(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, file.data(), units);
  HMODULE module = GetModuleHandleW(file.c_str());
  ModuleSymbols symbols;
  if (module == nullptr || !symbols.Read(module, names)) return false;
  for (const std::string& name : names) {
    if (const void* address = symbols.Address(name))
      addresses_[name] = reinterpret_cast<uintptr_t>(address);
  }
  return true;
}
