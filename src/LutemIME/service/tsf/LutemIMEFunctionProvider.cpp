// The function provider through which a search box reaches the
// search-candidate provider.
#include "service/module/TextServiceGuids.h"
#include "service/tsf/CSearchCandidateProvider.h"
#include "service/tsf/LutemIME.h"

STDMETHODIMP LutemIME::GetType(GUID* pguid) {
  if (pguid == nullptr) return E_INVALIDARG;
  *pguid = CLSID_TextService;
  return S_OK;
}

STDMETHODIMP LutemIME::GetDescription(BSTR* pbstrDesc) {
  if (pbstrDesc == nullptr) return E_INVALIDARG;
  *pbstrDesc = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP LutemIME::GetFunction(REFGUID rguid, REFIID riid, IUnknown** ppunk) {
  if (ppunk == nullptr) return E_INVALIDARG;
  *ppunk = nullptr;
  if (!IsEqualGUID(rguid, GUID_NULL)) return E_NOINTERFACE;
  if (IsEqualIID(riid, IID_ITfFnSearchCandidateProvider)) {
    if (searchCandidateProvider == nullptr) return E_NOINTERFACE;
    return searchCandidateProvider->QueryInterface(riid, reinterpret_cast<void**>(ppunk));
  }
  return QueryInterface(riid, reinterpret_cast<void**>(ppunk));
}
