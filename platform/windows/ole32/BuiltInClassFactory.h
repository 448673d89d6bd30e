// The class object that CoRegisterClassObject hands COM for one of the
// stand-in's own classes on Windows: it makes the object with the class's
// creator. It holds no module reference; the program that publishes it
// outlives it.
#pragma once

#include "Platform.h"
#include "ole32/BuiltInClasses.h"

namespace platform {

class BuiltInClassFactory : public IClassFactory {
 public:
  explicit BuiltInClassFactory(BuiltInClassCreator creator) : creator_(creator) {}

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
  STDMETHODIMP LockServer(BOOL lock) override;

 private:
  BuiltInClassCreator creator_;
  LONG references_ = 1;
};

}  // namespace platform
