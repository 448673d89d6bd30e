#include "service/keys/CEditSessionBase.h"

#include "service/tsf/LutemIME.h"

CEditSessionBase::CEditSessionBase(LutemIME* service, ITfContext* sessionContext)
    : context(sessionContext), textService(service), refCount(1) {
  if (context != nullptr) context->AddRef();
  if (textService != nullptr) textService->AddRef();
}

CEditSessionBase::~CEditSessionBase() {
  if (context != nullptr) context->Release();
  if (textService != nullptr) textService->Release();
}

STDMETHODIMP CEditSessionBase::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_INVALIDARG;
  *ppvObject = nullptr;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITfEditSession))
    return E_NOINTERFACE;
  *ppvObject = static_cast<ITfEditSession*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CEditSessionBase::AddRef() { return ++refCount; }

STDMETHODIMP_(ULONG) CEditSessionBase::Release() {
  const ULONG left = --refCount;
  if (left == 0) delete this;
  return left;
}
