// VARIANT handling as oleaut32 documents it for the types the stand-in
// carries: VariantClear frees a BSTR and releases an interface, VariantCopy
// duplicates a BSTR and adds a reference to an interface; a type outside
// VARENUM's list fails with DISP_E_BADVARTYPE and leaves the variant alone.
#include "Platform.h"

namespace {

bool KnownType(VARTYPE type) {
  switch (type) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_BSTR:
    case VT_UNKNOWN:
    case VT_UI4:
      return true;
    default:
      return false;
  }
}

}  // namespace

void VariantInit(VARIANT* pvarg) {
  if (pvarg == nullptr) return;
  pvarg->vt = VT_EMPTY;
  pvarg->wReserved1 = pvarg->wReserved2 = pvarg->wReserved3 = 0;
}

HRESULT VariantClear(VARIANT* pvarg) {
  if (pvarg == nullptr) return E_INVALIDARG;
  if (!KnownType(pvarg->vt)) return DISP_E_BADVARTYPE;
  if (pvarg->vt == VT_BSTR) SysFreeString(pvarg->bstrVal);
  if (pvarg->vt == VT_UNKNOWN && pvarg->punkVal != nullptr) pvarg->punkVal->Release();
  pvarg->vt = VT_EMPTY;
  return S_OK;
}

HRESULT VariantCopy(VARIANT* pvargDest, const VARIANT* pvargSrc) {
  if (pvargDest == nullptr || pvargSrc == nullptr) return E_INVALIDARG;
  if (!KnownType(pvargSrc->vt)) return DISP_E_BADVARTYPE;
  if (pvargDest == pvargSrc) return S_OK;
  VARIANT copy = *pvargSrc;
  if (copy.vt == VT_BSTR && copy.bstrVal != nullptr) {
    copy.bstrVal = SysAllocStringLen(pvargSrc->bstrVal, SysStringLen(pvargSrc->bstrVal));
    if (copy.bstrVal == nullptr) return E_OUTOFMEMORY;
  }
  if (copy.vt == VT_UNKNOWN && copy.punkVal != nullptr) copy.punkVal->AddRef();
  HRESULT cleared = VariantClear(pvargDest);
  if (FAILED(cleared)) {
    VariantClear(&copy);
    return cleared;
  }
  *pvargDest = copy;
  return S_OK;
}
