#include "LoadedModule.h"

#include <gtest/gtest.h>

LoadedModule::LoadedModule(const std::string& path) { module_ = LoadLibraryW(Wide(path).c_str()); }

LoadedModule::~LoadedModule() { Unload(); }

bool LoadedModule::Unload() {
  if (module_ == nullptr) return true;
  bool freed = FreeLibrary(module_) != FALSE;
  module_ = nullptr;
  return freed;
}

std::u16string LoadedModule::Wide(const std::string& text) {
  return std::u16string(text.begin(), text.end());
}

template <typename Function>
Function LoadedModule::Export(const char* name) const {
  auto found =
      reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module_, name)));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

HRESULT LoadedModule::GetClassObject(REFCLSID clsid, REFIID riid, void** object) const {
  return Export<LPFNGETCLASSOBJECT>("DllGetClassObject")(clsid, riid, object);
}

HRESULT LoadedModule::CanUnloadNow() const { return Export<LPFNCANUNLOADNOW>("DllCanUnloadNow")(); }

HRESULT LoadedModule::RegisterServer() const {
  return Export<LPFNCANUNLOADNOW>("DllRegisterServer")();
}

HRESULT LoadedModule::UnregisterServer() const {
  return Export<LPFNCANUNLOADNOW>("DllUnregisterServer")();
}
