#include "service/tsf/CTipCandidateString.h"

#include "service/module/DllObjectCount.h"

CTipCandidateString::CTipCandidateString() : refCount(0), index(0) { DllAddRef(); }

CTipCandidateString::~CTipCandidateString() { ReleaseModule(); }

STDMETHODIMP CTipCandidateString::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITfCandidateString)) {
    *ppvObject = nullptr;
    return E_NOINTERFACE;
  }
  *ppvObject = static_cast<ITfCandidateString*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CTipCandidateString::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&refCount));
}

STDMETHODIMP_(ULONG) CTipCandidateString::Release() {
  LONG left = InterlockedDecrement(&refCount);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP CTipCandidateString::GetString(BSTR* pbstr) {
  if (pbstr == nullptr) return E_POINTER;
  *pbstr = SysAllocStringLen(AsWchar(text.c_str()), static_cast<UINT>(text.size()));
  return *pbstr != nullptr ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP CTipCandidateString::GetIndex(ULONG* pnIndex) {
  if (pnIndex == nullptr) return E_POINTER;
  *pnIndex = index;
  return S_OK;
}

HRESULT CTipCandidateString::SetIndex(ULONG value) {
  index = value;
  return S_OK;
}

HRESULT CTipCandidateString::SetString(const WCHAR* value, size_t length) {
  size_t units = 0;
  if (value != nullptr) {
    while (units < length && value[units] != 0) ++units;
  }
  try {
    text.assign(AsChar16(value), units);
  } catch (...) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}
