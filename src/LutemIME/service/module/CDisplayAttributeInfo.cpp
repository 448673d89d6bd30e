#include "service/module/CDisplayAttributeInfo.h"

#include "service/module/DllObjectCount.h"

namespace {

TF_DA_COLOR NoColour() {
  TF_DA_COLOR colour = {};
  colour.type = TF_CT_NONE;
  return colour;
}

TF_DA_COLOR Black() {
  TF_DA_COLOR colour = {};
  colour.type = TF_CT_COLORREF;
  colour.cr = RGB(0, 0, 0);
  return colour;
}

}  // namespace

CDisplayAttributeInfo::CDisplayAttributeInfo() : guid(nullptr), description(nullptr), refCount(1) {
  DllAddRef();
}

CDisplayAttributeInfo::~CDisplayAttributeInfo() { ReleaseModule(); }

STDMETHODIMP CDisplayAttributeInfo::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_INVALIDARG;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITfDisplayAttributeInfo)) {
    *ppvObject = nullptr;
    return E_NOINTERFACE;
  }
  *ppvObject = static_cast<ITfDisplayAttributeInfo*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CDisplayAttributeInfo::AddRef() { return ++refCount; }

STDMETHODIMP_(ULONG) CDisplayAttributeInfo::Release() {
  ULONG left = --refCount;
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP CDisplayAttributeInfo::GetGUID(GUID* pguid) {
  if (pguid == nullptr) return E_INVALIDARG;
  if (guid == nullptr) return E_FAIL;
  *pguid = *guid;
  return S_OK;
}

STDMETHODIMP CDisplayAttributeInfo::GetDescription(BSTR* pbstrDesc) {
  if (pbstrDesc == nullptr) return E_INVALIDARG;
  *pbstrDesc = SysAllocString(description);
  return *pbstrDesc != nullptr ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP CDisplayAttributeInfo::GetAttributeInfo(TF_DISPLAYATTRIBUTE* pda) {
  if (pda == nullptr) return E_INVALIDARG;
  pda->crText = NoColour();
  pda->crBk = NoColour();
  pda->lsStyle = TF_LS_SQUIGGLE;
  pda->fBoldLine = FALSE;
  pda->crLine = Black();
  pda->bAttr = TF_ATTR_INPUT;
  return S_OK;
}

STDMETHODIMP CDisplayAttributeInfo::SetAttributeInfo(const TF_DISPLAYATTRIBUTE*) {
  return E_NOTIMPL;
}

STDMETHODIMP CDisplayAttributeInfo::Reset() { return E_NOTIMPL; }
