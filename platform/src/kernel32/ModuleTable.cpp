#include "kernel32/ModuleTable.h"

#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/FailureSwitch.h"
#include "common/HostText.h"
#include "host/SystemRoot.h"
#include "kernel32/ProgramProcess.h"
#include "kernel32/SystemLibraries.h"

namespace platform {

namespace {

uintptr_t ImageBaseOf(const void* address) {
  Dl_info info;
  if (address == nullptr || dladdr(address, &info) == 0) return 0;
  return reinterpret_cast<uintptr_t>(info.dli_fbase);
}

uintptr_t ImageBaseOfHandle(void* dl) {
  struct link_map* map = nullptr;
  if (dlinfo(dl, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) return 0;
  // The dynamic section lies inside the image, so its address names it.
  return ImageBaseOf(map->l_ld);
}

bool FileExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string ProgramPath() {
  char buffer[4096];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer));
  return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string CurrentFolder() {
  char buffer[4096];
  return getcwd(buffer, sizeof(buffer)) ? std::string(buffer) : std::string(".");
}

// The host file that a LoadLibraryW name stands for (empty when none).
std::string FindModuleFile(const std::u16string& name) {
  if (name.find_first_of(u"/\\") == std::u16string::npos) {
    std::string file = Utf8FromWide(name);
    for (const std::string& folder : {FolderOf(ProgramPath()), CurrentFolder()}) {
      std::string candidate = folder + "/" + file;
      if (FileExists(candidate)) return candidate;
    }
    return {};
  }
  std::string path = HostPathFromWindowsPath(name);
  if (!path.empty() && path[0] != '/') path = CurrentFolder() + "/" + path;
  return FileExists(path) ? path : std::string();
}

std::u16string FileNameOf(const std::u16string& path) {
  size_t slash = path.find_last_of(u"/\\");
  return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

int FirstImage(struct dl_phdr_info* info, size_t, void* data) {
  uintptr_t lowest = UINTPTR_MAX;
  for (int i = 0; i < info->dlpi_phnum; ++i)
    if (info->dlpi_phdr[i].p_type == PT_LOAD && info->dlpi_phdr[i].p_vaddr < lowest)
      lowest = info->dlpi_phdr[i].p_vaddr;
  long page = sysconf(_SC_PAGESIZE);
  *static_cast<uintptr_t*>(data) = info->dlpi_addr + (lowest & ~static_cast<uintptr_t>(page - 1));
  return 1;  // the program is the first image
}

}  // namespace

HMODULE HostProgramModule() {
  static const uintptr_t base = [] {
    uintptr_t found = 0;
    dl_iterate_phdr(FirstImage, &found);
    return found;
  }();
  return reinterpret_cast<HMODULE>(base);
}

HMODULE ProgramModule() {
  std::shared_ptr<ProgramProcess> process = ProgramProcess::Current();
  HMODULE image = process ? process->image.load() : nullptr;
  return image != nullptr ? image : HostProgramModule();
}

ModuleTable& ModuleTable::Instance() {
  static ModuleTable* table = new ModuleTable;  // used until the process ends
  return *table;
}

void ModuleTable::SetEntryPoint(const void* anyAddress, DllEntryPoint entry) {
  uintptr_t base = ImageBaseOf(anyAddress);
  if (base == 0) return;
  std::lock_guard<std::recursive_mutex> hold(lock_);
  modules_[base].entry = entry;
}

void ModuleTable::SetResources(const void* anyAddress, const void* bytes, size_t size) {
  uintptr_t base = ImageBaseOf(anyAddress);
  if (base == 0) return;
  std::lock_guard<std::recursive_mutex> hold(lock_);
  Module& module = modules_[base];
  module.hasResources = true;
  module.resources = ReadResourceFile(static_cast<const BYTE*>(bytes), size);
}

HMODULE ModuleTable::Load(const std::u16string& name) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  if (ShouldFail("LoadLibraryW", Utf8FromWide(FileNameOf(name)))) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  SystemLibrary system;
  if (FindSystemLibrary(name, &system)) return LoadSystemLibrary(system);
  std::string hostPath = FindModuleFile(name);
  if (hostPath.empty()) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  void* dl = dlopen(hostPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  uintptr_t base = dl ? ImageBaseOfHandle(dl) : 0;
  if (base == 0) {
    if (dl) dlclose(dl);
    SetLastError(ERROR_BAD_EXE_FORMAT);
    return nullptr;
  }
  HMODULE handle = reinterpret_cast<HMODULE>(base);
  Module& module = modules_[base];
  if (module.loads > 0) {
    dlclose(dl);  // the table keeps one reference of the loader's per module
    ++module.loads;
    return handle;
  }
  module.dl = dl;
  module.hostPath = hostPath;
  module.path =
      hostPath[0] == '/' && name.find(u':') == std::u16string::npos ? WideFromUtf8(hostPath) : name;
  module.loads = 1;
  if (module.entry != nullptr && !module.entry(handle, DLL_PROCESS_ATTACH, nullptr)) {
    // Windows tells a module whose attach failed that it is detached.
    module.entry(handle, DLL_PROCESS_DETACH, nullptr);
    Unload(base);
    SetLastError(ERROR_DLL_INIT_FAILED);
    return nullptr;
  }
  return handle;
}

HMODULE ModuleTable::LoadSystemLibrary(const SystemLibrary& library) {
  uintptr_t base = reinterpret_cast<uintptr_t>(library.handle);
  Module& module = modules_[base];
  if (module.loads++ > 0) return library.handle;
  module.path = library.path;
  module.entry = library.entry;
  if (module.entry != nullptr && !module.entry(library.handle, DLL_PROCESS_ATTACH, nullptr)) {
    module.entry(library.handle, DLL_PROCESS_DETACH, nullptr);
    module.loads = 0;
    SetLastError(ERROR_DLL_INIT_FAILED);
    return nullptr;
  }
  return library.handle;
}

BOOL ModuleTable::Free(HMODULE handle) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  auto found = modules_.find(reinterpret_cast<uintptr_t>(handle));
  if (found == modules_.end() || found->second.loads == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  Module& module = found->second;
  if (--module.loads > 0) return TRUE;
  if (module.entry != nullptr) module.entry(handle, DLL_PROCESS_DETACH, nullptr);
  Unload(found->first);
  return TRUE;
}

void ModuleTable::Unload(uintptr_t base) {
  Module& module = modules_[base];
  module.loads = 0;
  if (module.dl == nullptr) return;  // a system library: nothing to unmap
  void* dl = module.dl;
  module.dl = nullptr;
  dlclose(dl);
  // An image the dynamic loader keeps (another user holds it, or it cannot be
  // unloaded) keeps its entry point and resources for the next load, since
  // its static initialisers will not run again.
  void* still = dlopen(module.hostPath.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (still != nullptr && ImageBaseOfHandle(still) == base) {
    dlclose(still);
    return;
  }
  if (still != nullptr) dlclose(still);
  modules_.erase(base);
}

FARPROC ModuleTable::Find(HMODULE handle, const char* name) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  uintptr_t base = reinterpret_cast<uintptr_t>(handle);
  auto found = modules_.find(base);
  bool ordinal = (reinterpret_cast<uintptr_t>(name) >> 16) == 0;
  if (found == modules_.end() || found->second.dl == nullptr || ordinal) {
    SetLastError(found == modules_.end() || found->second.dl == nullptr ? ERROR_MOD_NOT_FOUND
                                                                        : ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  void* symbol = dlsym(found->second.dl, name);
  // dlsym also searches the libraries the module uses; GetProcAddress does not.
  if (symbol == nullptr || ImageBaseOf(symbol) != base) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<FARPROC>(symbol);
}

bool ModuleTable::PathOf(HMODULE handle, std::u16string& path) {
  if (handle == nullptr) handle = ProgramModule();
  std::shared_ptr<ProgramProcess> process = ProgramProcess::Current();
  if (process && handle == process->image.load() && !process->path.empty()) {
    path = process->path;
    return true;
  }
  uintptr_t base = reinterpret_cast<uintptr_t>(handle);
  if (handle == HostProgramModule()) {
    path = WideFromUtf8(ProgramPath());
    return !path.empty();
  }
  std::lock_guard<std::recursive_mutex> hold(lock_);
  auto found = modules_.find(base);
  if (found != modules_.end() && found->second.loads > 0) {
    path = found->second.path;
    return true;
  }
  Dl_info info;
  if (dladdr(handle, &info) == 0 || reinterpret_cast<uintptr_t>(info.dli_fbase) != base ||
      info.dli_fname == nullptr)
    return false;
  std::string file = info.dli_fname;
  if (!file.empty() && file[0] != '/') file = CurrentFolder() + "/" + file;
  path = WideFromUtf8(file);
  return true;
}

HMODULE ModuleTable::HandleOf(const std::u16string& name) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  std::u16string folded = FoldCase(name);
  bool bareName = name.find_first_of(u"/\\") == std::u16string::npos;
  for (const auto& [base, module] : modules_) {
    if (module.loads == 0) continue;
    if (FoldCase(module.path) == folded ||
        (bareName && FoldCase(FileNameOf(module.path)) == folded))
      return reinterpret_cast<HMODULE>(base);
  }
  return nullptr;
}

HMODULE ModuleTable::LoadProgramImage(const std::string& hostPath, void** dl,
                                      std::string* error) {
  void* opened = dlopen(hostPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  uintptr_t base = opened ? ImageBaseOfHandle(opened) : 0;
  if (base == 0) {
    *error = opened ? "not a loadable image" : dlerror();
    if (opened) dlclose(opened);
    return nullptr;
  }
  *dl = opened;
  return reinterpret_cast<HMODULE>(base);
}

void ModuleTable::UnloadProgramImage(HMODULE image, void* dl) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  dlclose(dl);
  // What the image registered goes with it; another image may be mapped
  // at the same address later.
  auto found = modules_.find(reinterpret_cast<uintptr_t>(image));
  if (found != modules_.end() && found->second.loads == 0) modules_.erase(found);
}

const std::vector<ResourceEntry>* ModuleTable::ResourcesOf(HMODULE handle) {
  if (handle == nullptr) handle = ProgramModule();
  std::lock_guard<std::recursive_mutex> hold(lock_);
  auto found = modules_.find(reinterpret_cast<uintptr_t>(handle));
  if (found == modules_.end() || !found->second.hasResources) return nullptr;
  return &found->second.resources;
}

}  // namespace platform
