// The system DLLs that the stand-in itself serves (riched20.dll...):
// LoadLibraryW finds one by its file name, without regard to case, with or
// without ".dll", alone or in the system folder, and calls its entry point as
// it would a module's. Each has a handle of its own that no image shares,
// and reports its path in the system folder.
#pragma once

#include <string>

#include "Platform.h"

namespace platform {

// From a static initialiser of the component that implements the library.
void RegisterSystemLibrary(const std::u16string& fileName, DllEntryPoint entry);

struct SystemLibrary {
  HMODULE handle = nullptr;
  std::u16string path;  // "C:\Windows\System32\NAME"
  DllEntryPoint entry = nullptr;
};

// The library that name stands for, if the stand-in serves it.
bool FindSystemLibrary(const std::u16string& name, SystemLibrary* library);

}  // namespace platform
