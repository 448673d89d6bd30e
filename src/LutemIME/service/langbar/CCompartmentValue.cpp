#include "service/langbar/CCompartmentValue.h"

CCompartmentValue::CCompartmentValue(REFGUID guid, IUnknown* threadMgr, TfClientId clientId)
    : guid_(guid), threadMgr_(threadMgr), clientId_(clientId) {
  if (threadMgr_ != nullptr) threadMgr_->AddRef();
}

CCompartmentValue::~CCompartmentValue() {
  if (threadMgr_ != nullptr) threadMgr_->Release();
}

HRESULT CCompartmentValue::GetCompartment(ITfCompartment** compartment) {
  *compartment = nullptr;
  if (threadMgr_ == nullptr) return E_FAIL;
  ITfCompartmentMgr* manager = nullptr;
  HRESULT hr = threadMgr_->QueryInterface(IID_ITfCompartmentMgr, reinterpret_cast<void**>(&manager));
  if (FAILED(hr)) return hr;
  if (manager == nullptr) return E_FAIL;
  hr = manager->GetCompartment(guid_, compartment);
  manager->Release();
  if (SUCCEEDED(hr) && *compartment == nullptr) hr = E_FAIL;
  return hr;
}

HRESULT CCompartmentValue::GetBool(DWORD* value) { return GetDword(value); }

HRESULT CCompartmentValue::GetDword(DWORD* value) {
  if (value == nullptr) return E_INVALIDARG;
  *value = 0;
  ITfCompartment* compartment = nullptr;
  HRESULT hr = GetCompartment(&compartment);
  if (FAILED(hr)) return hr;
  VARIANT variant;
  VariantInit(&variant);
  hr = compartment->GetValue(&variant);
  if (SUCCEEDED(hr) && variant.vt == VT_I4) {
    *value = static_cast<DWORD>(variant.lVal);
  } else if (SUCCEEDED(hr)) {
    hr = S_FALSE;
  }
  VariantClear(&variant);
  compartment->Release();
  return hr;
}

void CCompartmentValue::SetDword(DWORD value) {
  ITfCompartment* compartment = nullptr;
  if (FAILED(GetCompartment(&compartment))) return;
  VARIANT variant;
  VariantInit(&variant);
  variant.vt = VT_I4;
  variant.lVal = static_cast<LONG>(value);
  compartment->SetValue(clientId_, &variant);
  compartment->Release();
}

HRESULT CCompartmentValue::Clear() {
  if (IsEqualGUID(guid_, GUID_COMPARTMENT_KEYBOARD_OPENCLOSE)) return S_FALSE;
  if (threadMgr_ == nullptr) return E_FAIL;
  ITfCompartmentMgr* manager = nullptr;
  HRESULT hr = threadMgr_->QueryInterface(IID_ITfCompartmentMgr, reinterpret_cast<void**>(&manager));
  if (FAILED(hr)) return hr;
  if (manager == nullptr) return E_FAIL;
  hr = manager->ClearCompartment(clientId_, guid_);
  manager->Release();
  return hr;
}
