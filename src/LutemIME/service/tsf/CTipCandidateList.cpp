#include "service/tsf/CTipCandidateList.h"

#include <new>

#include "service/module/DllObjectCount.h"
#include "service/tsf/CEnumTfCandidates.h"
#include "service/tsf/CTipCandidateString.h"

CTipCandidateList::CTipCandidateList() : refCount(0) { DllAddRef(); }

CTipCandidateList::~CTipCandidateList() {
  for (size_t i = 0; i < strings.Count(); ++i) (*strings.GetAt(i))->Release();
  ReleaseModule();
}

STDMETHODIMP CTipCandidateList::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITfCandidateList)) {
    *ppvObject = nullptr;
    return E_NOINTERFACE;
  }
  *ppvObject = static_cast<ITfCandidateList*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CTipCandidateList::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&refCount));
}

STDMETHODIMP_(ULONG) CTipCandidateList::Release() {
  LONG left = InterlockedDecrement(&refCount);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP CTipCandidateList::EnumCandidates(IEnumTfCandidates** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  return CEnumTfCandidates::Create(strings, 0, IID_IEnumTfCandidates,
                                   reinterpret_cast<void**>(ppEnum));
}

STDMETHODIMP CTipCandidateList::GetCandidate(ULONG nIndex, ITfCandidateString** ppCand) {
  if (ppCand == nullptr) return E_POINTER;
  *ppCand = nullptr;
  if (nIndex >= strings.Count()) return E_FAIL;
  for (size_t i = 0; i < strings.Count(); ++i) {
    ITfCandidateString* string = *strings.GetAt(i);
    ULONG index = 0;
    if (FAILED(string->GetIndex(&index)) || index != nIndex) continue;
    BSTR text = nullptr;
    if (FAILED(string->GetString(&text))) return E_OUTOFMEMORY;
    auto* copy = new (std::nothrow) CTipCandidateString;
    HRESULT hr = E_OUTOFMEMORY;
    if (copy != nullptr) {
      copy->AddRef();
      hr = copy->SetIndex(nIndex);
      if (SUCCEEDED(hr)) hr = copy->SetString(text, SysStringLen(text));
      if (SUCCEEDED(hr)) hr = copy->QueryInterface(IID_ITfCandidateString, reinterpret_cast<void**>(ppCand));
      copy->Release();
    }
    SysFreeString(text);
    return hr;
  }
  return S_OK;
}

STDMETHODIMP CTipCandidateList::GetCandidateNum(ULONG* pnCnt) {
  if (pnCnt == nullptr) return E_POINTER;
  *pnCnt = static_cast<ULONG>(strings.Count());
  return S_OK;
}

STDMETHODIMP CTipCandidateList::SetResult(ULONG, TfCandidateResult) { return E_NOTIMPL; }

HRESULT CTipCandidateList::SetCandidate(ITfCandidateString** ppCand) {
  if (ppCand == nullptr || *ppCand == nullptr) return E_POINTER;
  try {
    *strings.Append() = *ppCand;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}
