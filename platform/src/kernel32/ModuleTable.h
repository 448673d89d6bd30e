#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "Platform.h"
#include "kernel32/ResourceFile.h"
#include "kernel32/SystemLibraries.h"

namespace platform {

// The process's modules, keyed by the address at which each image starts
// (its HMODULE). An image announces its entry point and resources from its
// static initialisers, which run inside dlopen, so a record may exist before
// LoadLibraryW knows the image. Every operation holds the loader lock, which
// the thread that holds it may take again (an entry point may call the
// loader, as on Windows).
class ModuleTable {
 public:
  static ModuleTable& Instance();

  std::recursive_mutex& LoaderLock() { return lock_; }

  void SetEntryPoint(const void* anyAddress, DllEntryPoint entry);
  void SetResources(const void* anyAddress, const void* bytes, size_t size);

  HMODULE Load(const std::u16string& name);
  BOOL Free(HMODULE module);
  FARPROC Find(HMODULE module, const char* name);
  // The path of a loaded module, of the program (NULL) or of any image the
  // dynamic loader knows; false when the handle is none of them.
  bool PathOf(HMODULE module, std::u16string& path);
  HMODULE HandleOf(const std::u16string& name);
  // A program image (host/kernel32/Programs.h), loaded from hostPath as a
  // new object of the dynamic loader and not counted as a module; null with
  // the reason when it cannot be loaded.
  HMODULE LoadProgramImage(const std::string& hostPath, void** dl, std::string* error);
  void UnloadProgramImage(HMODULE image, void* dl);
  // The module's resources; null when it registered none.
  const std::vector<ResourceEntry>* ResourcesOf(HMODULE module);

 private:
  struct Module {
    void* dl = nullptr;    // the dynamic loader's handle while loaded
    std::string hostPath;  // what was opened
    std::u16string path;   // what GetModuleFileNameW reports
    int loads = 0;
    DllEntryPoint entry = nullptr;
    bool hasResources = false;
    std::vector<ResourceEntry> resources;
  };

  ModuleTable() = default;
  HMODULE LoadSystemLibrary(const SystemLibrary& library);
  void Unload(uintptr_t base);

  std::recursive_mutex lock_;
  std::map<uintptr_t, Module> modules_;
};

// The HMODULE of the program: the image of the calling thread's process
// (ProgramProcess.h), else the host program's own.
HMODULE ProgramModule();
HMODULE HostProgramModule();

}  // namespace platform
