#pragma once

#include <string>

#include "Platform.h"

// The input method's module as a host loads it: LoadLibraryW of the built
// module (or of another file), its four exports, FreeLibrary at the end.
class LoadedModule {
 public:
  explicit LoadedModule(const std::string& path = LUTEM_MODULE);
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  bool loaded() const { return module_ != nullptr; }
  HMODULE handle() const { return module_; }
  // Unloads now (the destructor then does nothing); false when FreeLibrary fails.
  bool Unload();

  HRESULT GetClassObject(REFCLSID clsid, REFIID riid, void** object) const;
  HRESULT CanUnloadNow() const;
  HRESULT RegisterServer() const;
  HRESULT UnregisterServer() const;

  static std::u16string Wide(const std::string& text);

 private:
  template <typename Function>
  Function Export(const char* name) const;

  HMODULE module_ = nullptr;
};
