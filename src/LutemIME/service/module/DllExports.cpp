// The four functions the module exports: what COM and regsvr32 call.
#include "service/engine/LoaderThreadTails.h"
#include "service/module/ClassFactorySlot.h"
#include "service/module/DllObjectCount.h"
#include "service/module/ServerRegistration.h"

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  return GetClassFactory(rclsid, riid, ppv);
}

STDAPI DllCanUnloadNow() {
  if (ModuleInUse()) return S_FALSE;
  JoinReleasedLoaderThreads();
  return S_OK;
}

STDAPI DllRegisterServer() { return RegisterServer(); }

STDAPI DllUnregisterServer() { return UnregisterServer(); }
