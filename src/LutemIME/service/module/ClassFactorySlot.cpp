#include "service/module/ClassFactorySlot.h"

#include <atomic>
#include <new>

#include "service/module/CClassFactory.h"
#include "service/module/DllMain.h"
#include "service/module/DllObjectCount.h"
#include "service/module/TextServiceGuids.h"
#include "service/tsf/LutemIME.h"

namespace {

// Written under DllLock; read without it only to skip the lock when there is
// nothing to delete (a module whose entry point never ran has no lock).
std::atomic<CClassFactory*> factorySlot{nullptr};

}  // namespace

HRESULT GetClassFactory(REFCLSID rclsid, REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_INVALIDARG;
  *ppv = nullptr;
  HRESULT result = CLASS_E_CLASSNOTAVAILABLE;
  EnterCriticalSection(&DllLock);
  CClassFactory* factory = factorySlot.load();
  if (factory == nullptr) {
    factory = new (std::nothrow) CClassFactory(CLSID_TextService, &LutemIME::CreateInstance);
    factorySlot.store(factory);
  }
  bool knownInterface = IsEqualIID(riid, IID_IClassFactory) || IsEqualIID(riid, IID_IUnknown);
  if (knownInterface && factory != nullptr && IsEqualCLSID(factory->Clsid(), rclsid)) {
    *ppv = static_cast<IClassFactory*>(factory);
    DllAddRef();
    result = S_OK;
  }
  LeaveCriticalSection(&DllLock);
  return result;
}

void DeleteClassFactoryIfUnused() {
  if (factorySlot.load() == nullptr) return;
  EnterCriticalSection(&DllLock);
  if (!ModuleInUse()) delete factorySlot.exchange(nullptr);
  LeaveCriticalSection(&DllLock);
}

void DeleteClassFactory() { delete factorySlot.exchange(nullptr); }
