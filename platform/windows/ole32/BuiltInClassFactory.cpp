#include "ole32/BuiltInClassFactory.h"

namespace platform {

STDMETHODIMP BuiltInClassFactory::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_IClassFactory)) {
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) BuiltInClassFactory::AddRef() { return InterlockedIncrement(&references_); }

STDMETHODIMP_(ULONG) BuiltInClassFactory::Release() {
  LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP BuiltInClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  return creator_(outer, riid, object);
}

STDMETHODIMP BuiltInClassFactory::LockServer(BOOL) { return S_OK; }

}  // namespace platform
