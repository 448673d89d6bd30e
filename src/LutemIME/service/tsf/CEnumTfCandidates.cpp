#include "service/tsf/CEnumTfCandidates.h"

#include <new>

#include "service/module/DllObjectCount.h"

CEnumTfCandidates::CEnumTfCandidates() : refCount(0), position(0) { DllAddRef(); }

CEnumTfCandidates::~CEnumTfCandidates() {
  for (size_t i = 0; i < strings.Count(); ++i) (*strings.GetAt(i))->Release();
  ReleaseModule();
}

HRESULT CEnumTfCandidates::Create(const LutemIMEArray<ITfCandidateString*>& from, ULONG start,
                                  REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  auto* made = new (std::nothrow) CEnumTfCandidates;
  if (made == nullptr) return E_OUTOFMEMORY;
  made->AddRef();
  try {
    for (size_t i = 0; i < from.Count(); ++i) {
      ITfCandidateString* string = *from.GetAt(i);
      *made->strings.Append() = string;
      string->AddRef();
    }
  } catch (...) {
    made->Release();
    return E_OUTOFMEMORY;
  }
  made->position = start;
  HRESULT hr = made->QueryInterface(riid, object);
  made->Release();
  return hr;
}

STDMETHODIMP CEnumTfCandidates::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IEnumTfCandidates)) {
    *ppvObject = nullptr;
    return E_NOINTERFACE;
  }
  *ppvObject = static_cast<IEnumTfCandidates*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CEnumTfCandidates::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&refCount));
}

STDMETHODIMP_(ULONG) CEnumTfCandidates::Release() {
  LONG left = InterlockedDecrement(&refCount);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP CEnumTfCandidates::Clone(IEnumTfCandidates** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  return Create(strings, position, IID_IEnumTfCandidates, reinterpret_cast<void**>(ppEnum));
}

STDMETHODIMP CEnumTfCandidates::Next(ULONG ulCount, ITfCandidateString** ppObj,
                                     ULONG* pcFetched) {
  if (ppObj == nullptr) return E_INVALIDARG;
  if (ulCount > 0) ppObj[0] = nullptr;
  ULONG fetched = 0;
  while (fetched < ulCount && position < strings.Count()) {
    ITfCandidateString* string = *strings.GetAt(position++);
    string->AddRef();
    ppObj[fetched++] = string;
  }
  if (pcFetched != nullptr) *pcFetched = fetched;
  return fetched == ulCount ? S_OK : S_FALSE;
}

STDMETHODIMP CEnumTfCandidates::Reset() {
  position = 0;
  return S_OK;
}

STDMETHODIMP CEnumTfCandidates::Skip(ULONG ulCount) {
  ULONG moved = 0;
  while (moved < ulCount && position < strings.Count()) {
    ++position;
    ++moved;
  }
  return moved == ulCount ? S_OK : S_FALSE;
}
