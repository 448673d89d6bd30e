#include "service/module/CClassFactory.h"

#include "service/module/DllObjectCount.h"

CClassFactory::CClassFactory(REFCLSID clsid, Creator creator) : clsid(clsid), creator(creator) {}

STDMETHODIMP CClassFactory::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_INVALIDARG;
  if (!IsEqualIID(riid, IID_IClassFactory) && !IsEqualIID(riid, IID_IUnknown)) {
    *ppvObject = nullptr;
    return E_NOINTERFACE;
  }
  *ppvObject = static_cast<IClassFactory*>(this);
  DllAddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CClassFactory::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&DllObjectCount) + 1);
}

STDMETHODIMP_(ULONG) CClassFactory::Release() {
  // Read before the release: once the count is gone the factory may be too.
  LONG left = InterlockedCompareExchange(&DllObjectCount, 0, 0) - 1;
  ReleaseModule();
  return static_cast<ULONG>(left + 1);
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject) {
  return creator(pUnkOuter, riid, ppvObject);
}

STDMETHODIMP CClassFactory::LockServer(BOOL fLock) {
  if (fLock)
    DllAddRef();
  else
    ReleaseModule();
  return S_OK;
}
