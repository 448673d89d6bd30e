#include "service/tsf/LutemIME.h"

HRESULT LutemIME::CreateInstance(IUnknown* pUnkOuter, REFIID, void** ppvObject) {
  if (ppvObject == nullptr) return E_INVALIDARG;
  *ppvObject = nullptr;
  if (pUnkOuter != nullptr) return CLASS_E_NOAGGREGATION;
  return E_NOTIMPL;
}
