#include "service/tsf/CSearchCandidateProvider.h"

#include <algorithm>
#include <new>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/module/DllObjectCount.h"
#include "service/tsf/CTipCandidateList.h"
#include "service/tsf/CTipCandidateString.h"
#include "service/tsf/LutemIME.h"

CSearchCandidateProvider::CSearchCandidateProvider(LutemIME* textService)
    : refCount(0), textService(textService) {
  DllAddRef();
}

CSearchCandidateProvider::~CSearchCandidateProvider() { ReleaseModule(); }

HRESULT CSearchCandidateProvider::CreateInstance(LutemIME* textService,
                                                 CSearchCandidateProvider** provider) {
  if (provider == nullptr) return E_POINTER;
  *provider = nullptr;
  auto* made = new (std::nothrow) CSearchCandidateProvider(textService);
  if (made == nullptr) return E_OUTOFMEMORY;
  ITfFnSearchCandidateProvider* handed = nullptr;
  HRESULT hr = made->QueryInterface(IID_ITfFnSearchCandidateProvider, reinterpret_cast<void**>(&handed));
  if (SUCCEEDED(hr)) *provider = made;
  return hr;
}

STDMETHODIMP CSearchCandidateProvider::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITfFunction) &&
      !IsEqualIID(riid, IID_ITfFnSearchCandidateProvider)) {
    *ppvObject = nullptr;
    return E_NOINTERFACE;
  }
  *ppvObject = static_cast<ITfFnSearchCandidateProvider*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CSearchCandidateProvider::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&refCount));
}

STDMETHODIMP_(ULONG) CSearchCandidateProvider::Release() {
  LONG left = InterlockedDecrement(&refCount);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP CSearchCandidateProvider::GetDisplayName(BSTR* pbstrName) {
  if (pbstrName == nullptr) return E_INVALIDARG;
  *pbstrName = SysAllocString(TEXT("SearchCandidateProvider"));
  return *pbstrName != nullptr ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP CSearchCandidateProvider::GetSearchCandidates(BSTR, BSTR, ITfCandidateList** pplist) {
  if (pplist == nullptr) return E_POINTER;
  *pplist = nullptr;
  if (textService == nullptr || textService->engine == nullptr) return E_FAIL;

  try {
    LutemIMEArray<CCandidateListItem> candidates;
    textService->engine->BuildCandidateList(&candidates);
    if (candidates.Count() == 0) return S_OK;
    const size_t count = std::min(candidates.Count(), kMaxCandidates);

    auto* list = new (std::nothrow) CTipCandidateList;
    if (list == nullptr) return E_OUTOFMEMORY;
    ITfCandidateList* handed = nullptr;
    list->QueryInterface(IID_ITfCandidateList, reinterpret_cast<void**>(&handed));
    for (size_t i = 0; i < count; ++i) {
      const CCandidateListItem& item = *candidates.GetAt(i);
      auto* made = new (std::nothrow) CTipCandidateString;
      ITfCandidateString* string = nullptr;
      HRESULT hr = E_OUTOFMEMORY;
      if (made != nullptr) {
        made->QueryInterface(IID_ITfCandidateString, reinterpret_cast<void**>(&string));
        made->SetIndex(static_cast<ULONG>(i));
        hr = made->SetString(item.text, static_cast<size_t>(item.length));
        if (SUCCEEDED(hr)) hr = list->SetCandidate(&string);
        if (FAILED(hr)) string->Release();
      }
      if (FAILED(hr)) {
        handed->Release();
        return E_OUTOFMEMORY;
      }
    }
    *pplist = handed;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

STDMETHODIMP CSearchCandidateProvider::SetResult(BSTR, BSTR, BSTR) { return E_NOTIMPL; }
