// The classes the system itself provides to CoCreateInstance (the TSF
// managers), as opposed to registered in-process servers. Each component
// registers its classes from a static initialiser of its own source.
#pragma once

#include <new>

#include "Platform.h"

namespace platform {

typedef HRESULT (*BuiltInClassCreator)(IUnknown* outer, REFIID riid, void** object);

// name is the class's SDK name, the qualifier of the failure switch
// "CoCreateInstance:<name>".
void RegisterBuiltInClass(REFCLSID clsid, const char* name, BuiltInClassCreator creator);

#ifdef _WIN32
// On Windows the classes reach CoCreateInstance through class objects this
// process registers (CoRegisterClassObject), which COM asks before the
// registry: the stand-in's thread manager answers the text service, not the
// system's. Publish on an initialised COM thread; Withdraw before it ends.
void PublishBuiltInClasses();
void WithdrawBuiltInClasses();
#endif

// A creator for a class Object (made with one reference, which Primary
// names): no aggregation, the new object's QueryInterface for riid.
template <typename Object, typename Primary>
HRESULT CreateBuiltInObject(IUnknown* outer, REFIID riid, void** object) {
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  Object* made = new (std::nothrow) Object;
  if (made == nullptr) return E_OUTOFMEMORY;
  HRESULT hr = static_cast<Primary*>(made)->QueryInterface(riid, object);
  static_cast<Primary*>(made)->Release();
  return hr;
}

}  // namespace platform
