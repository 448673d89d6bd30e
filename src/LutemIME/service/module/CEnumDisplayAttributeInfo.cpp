#include "service/module/CEnumDisplayAttributeInfo.h"

#include <new>

#include "service/module/CDisplayAttributeInfoConverted.h"
#include "service/module/CDisplayAttributeInfoInput.h"
#include "service/module/DllObjectCount.h"

namespace {

const ULONG kEnd = 2;

}  // namespace

CEnumDisplayAttributeInfo::CEnumDisplayAttributeInfo() : index(0), refCount(1) { DllAddRef(); }

CEnumDisplayAttributeInfo::~CEnumDisplayAttributeInfo() { ReleaseModule(); }

STDMETHODIMP CEnumDisplayAttributeInfo::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_INVALIDARG;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IEnumTfDisplayAttributeInfo)) {
    *ppvObject = nullptr;
    return E_NOINTERFACE;
  }
  *ppvObject = static_cast<IEnumTfDisplayAttributeInfo*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CEnumDisplayAttributeInfo::AddRef() { return ++refCount; }

STDMETHODIMP_(ULONG) CEnumDisplayAttributeInfo::Release() {
  ULONG left = --refCount;
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP CEnumDisplayAttributeInfo::Clone(IEnumTfDisplayAttributeInfo** ppEnum) {
  if (ppEnum == nullptr) return E_INVALIDARG;
  *ppEnum = nullptr;
  auto* clone = new (std::nothrow) CEnumDisplayAttributeInfo;
  if (clone == nullptr) return E_OUTOFMEMORY;
  clone->index = index;
  *ppEnum = clone;
  return S_OK;
}

STDMETHODIMP CEnumDisplayAttributeInfo::Next(ULONG ulCount, ITfDisplayAttributeInfo** rgInfo,
                                             ULONG* pcFetched) {
  if (ulCount == 0) return S_OK;
  if (rgInfo == nullptr) return E_INVALIDARG;
  rgInfo[0] = nullptr;
  ULONG fetched = 0;
  while (fetched < ulCount && index < kEnd) {
    ITfDisplayAttributeInfo* info = nullptr;
    if (index == 0)
      info = new (std::nothrow) CDisplayAttributeInfoInput;
    else
      info = new (std::nothrow) CDisplayAttributeInfoConverted;
    // What was handed out stays with the caller.
    if (info == nullptr) return E_OUTOFMEMORY;
    rgInfo[fetched++] = info;
    ++index;
  }
  if (pcFetched != nullptr) *pcFetched = fetched;
  return fetched == ulCount ? S_OK : S_FALSE;
}

STDMETHODIMP CEnumDisplayAttributeInfo::Reset() {
  index = 0;
  return S_OK;
}

STDMETHODIMP CEnumDisplayAttributeInfo::Skip(ULONG ulCount) {
  // index + ulCount can wrap around only past kEnd, so test without adding.
  if (ulCount < kEnd + 1 - index) {
    index += ulCount;
    return S_OK;
  }
  index = kEnd;
  return S_FALSE;
}
