#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "common/FailureSwitch.h"
#include "common/HostText.h"
#include "ole32/BuiltInClasses.h"
#include "ole32/GuidText.h"

namespace {

struct BuiltInClass {
  CLSID clsid;
  std::string name;
  platform::BuiltInClassCreator creator;
};

// Recursive: a module's entry point runs under it and may create objects.
std::recursive_mutex classesLock;

std::vector<BuiltInClass>& BuiltInClasses() {
  static auto* classes = new std::vector<BuiltInClass>;  // filled by static initialisers
  return *classes;
}

// The in-process servers loaded by CoCreateInstance, by folded module path.
std::map<std::u16string, HMODULE>& LoadedServers() {
  static auto* servers = new std::map<std::u16string, HMODULE>;
  return *servers;
}

// GetProcAddress's result as the export's own type (void (*)() is the cast
// that every function pointer type allows without a warning).
template <typename Function>
Function ExportOf(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

bool FindBuiltIn(REFCLSID clsid, BuiltInClass& found) {
  std::lock_guard<std::recursive_mutex> hold(classesLock);
  for (const BuiltInClass& entry : BuiltInClasses()) {
    if (entry.clsid == clsid) {
      found = entry;
      return true;
    }
  }
  return false;
}

// The default value of HKEY_CLASSES_ROOT\CLSID\{clsid}\InProcServer32.
bool InProcServerPath(const std::u16string& clsidText, std::u16string& path) {
  std::u16string keyPath = u"CLSID\\" + clsidText + u"\\InProcServer32";
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  DWORD type = 0, size = 0;
  bool found = RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
               (type == REG_SZ || type == REG_EXPAND_SZ) && size >= sizeof(WCHAR);
  if (found) {
    std::u16string value(size / sizeof(WCHAR), u'\0');
    found = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                             &size) == ERROR_SUCCESS;
    path.assign(value.c_str());  // up to the first NUL
  }
  RegCloseKey(key);
  return found && !path.empty();
}

// The server's module, loaded on first use and kept.
HMODULE ServerModule(const std::u16string& path) {
  std::lock_guard<std::recursive_mutex> hold(classesLock);
  std::u16string folded = platform::FoldCase(path);
  auto found = LoadedServers().find(folded);
  if (found != LoadedServers().end()) return found->second;
  HMODULE module = LoadLibraryW(path.c_str());
  if (module != nullptr) LoadedServers()[folded] = module;
  return module;
}

}  // namespace

namespace platform {

void RegisterBuiltInClass(REFCLSID clsid, const char* name, BuiltInClassCreator creator) {
  std::lock_guard<std::recursive_mutex> hold(classesLock);
  BuiltInClasses().push_back({clsid, name, creator});
}

}  // namespace platform

HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid,
                         LPVOID* ppv) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  std::u16string clsidText = platform::GuidText(rclsid);
  BuiltInClass builtIn;
  bool isBuiltIn = FindBuiltIn(rclsid, builtIn);
  if (platform::ShouldFail("CoCreateInstance",
                           isBuiltIn ? builtIn.name : platform::Utf8FromWide(clsidText)))
    return E_OUTOFMEMORY;
  if ((dwClsContext & CLSCTX_INPROC_SERVER) == 0) return REGDB_E_CLASSNOTREG;
  if (isBuiltIn) return builtIn.creator(pUnkOuter, riid, ppv);

  std::u16string path;
  if (!InProcServerPath(clsidText, path)) return REGDB_E_CLASSNOTREG;
  HMODULE module = ServerModule(path);
  if (module == nullptr) return CO_E_DLLNOTFOUND;
  auto getClassObject = ExportOf<LPFNGETCLASSOBJECT>(module, "DllGetClassObject");
  if (getClassObject == nullptr) return CO_E_ERRORINDLL;
  IClassFactory* factory = nullptr;
  HRESULT hr = getClassObject(rclsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (FAILED(hr)) return hr;
  if (factory == nullptr) return CO_E_ERRORINDLL;
  hr = factory->CreateInstance(pUnkOuter, riid, ppv);
  factory->Release();
  return hr;
}

void CoFreeUnusedLibraries() {
  std::lock_guard<std::recursive_mutex> hold(classesLock);
  auto& servers = LoadedServers();
  for (auto it = servers.begin(); it != servers.end();) {
    auto canUnload = ExportOf<LPFNCANUNLOADNOW>(it->second, "DllCanUnloadNow");
    if (canUnload != nullptr && canUnload() == S_OK) {
      FreeLibrary(it->second);
      it = servers.erase(it);
    } else {
      ++it;
    }
  }
}
