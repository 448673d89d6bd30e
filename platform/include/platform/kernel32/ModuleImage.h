// What a Windows image (DLL or program) carries that an ELF object does not:
// its entry point and its resources. A module built here announces both
// from its static initialisers, which run while the loader maps it, so that
// LoadLibraryW can call the entry point with DLL_PROCESS_ATTACH after the
// module's static initialisers, as Windows' C runtime start-up does, and
// FindResourceW finds the resources by the module's instance handle.
// Not a Windows interface; on Windows LUTEM_DLL_ENTRY_POINT expands to
// nothing and the linker names the entry point.
#pragma once

#include <cstddef>

#include "platform/base/WinDef.h"

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

namespace platform {

typedef BOOL(WINAPI* DllEntryPoint)(HINSTANCE instance, DWORD reason, LPVOID reserved);

// anyAddressInModule identifies the image (any function or object of it).
void RegisterModuleEntryPoint(const void* anyAddressInModule, DllEntryPoint entry);
// resFile: the bytes of a compiled resource file (.res, as windres writes it
// from the module's .rc), kept by reference for the life of the image.
void RegisterModuleResources(const void* anyAddressInModule, const void* resFile, size_t size);

}  // namespace platform

// In the module's source, once: LUTEM_DLL_ENTRY_POINT(DllMain)
#define LUTEM_DLL_ENTRY_POINT(entry)                                                    \
  namespace {                                                                           \
  [[maybe_unused]] const bool lutemEntryPointRegistered = [] {                          \
    ::platform::RegisterModuleEntryPoint(reinterpret_cast<const void*>(&entry), &entry); \
    return true;                                                                        \
  }();                                                                                  \
  }
