#include "msctf/Compartment.h"

#include <atomic>

#include "common/FailureSwitch.h"
#include "msctf/GuidNames.h"

namespace platform {
namespace {

std::atomic<bool> notifiesUnchangedWrites{false};

}  // namespace

Compartment::Compartment(REFGUID guid, const std::string& owner)
    : guid_(guid),
      sinks_(owner + " compartment " + GuidName(guid), {IID_ITfCompartmentEventSink}) {}

Compartment::~Compartment() = default;

void Compartment::SetNotifiesUnchangedWrites(bool notify) { notifiesUnchangedWrites = notify; }

HRESULT Compartment::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  void* found = nullptr;
  if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfCompartment)) {
    found = static_cast<ITfCompartment*>(this);
  } else if (IsEqualGUID(riid, IID_ITfSource)) {
    found = static_cast<ITfSource*>(this);
  }
  return Answer(found, object);
}

HRESULT Compartment::SetValue(TfClientId tid, const VARIANT* pvarValue) {
  if (ShouldFail("ITfCompartment::SetValue", GuidName(guid_))) return E_FAIL;
  if (pvarValue == nullptr) return E_INVALIDARG;
  bool changed;
  if (pvarValue->vt == VT_I4) {
    changed = type_ != VT_I4 || intValue_ != pvarValue->lVal;
    unknownValue_.Reset();
    type_ = VT_I4;
    intValue_ = pvarValue->lVal;
  } else if (pvarValue->vt == VT_UNKNOWN) {
    changed = type_ != VT_UNKNOWN || unknownValue_.get() != pvarValue->punkVal;
    unknownValue_ = ComPtr<IUnknown>(pvarValue->punkVal);
    type_ = VT_UNKNOWN;
    intValue_ = 0;
  } else {
    return E_INVALIDARG;
  }
  if (changed || notifiesUnchangedWrites) NotifyChange();
  return S_OK;
}

HRESULT Compartment::GetValue(VARIANT* pvarValue) {
  if (ShouldFail("ITfCompartment::GetValue", GuidName(guid_))) return E_FAIL;
  if (pvarValue == nullptr) return E_INVALIDARG;
  pvarValue->vt = type_;
  pvarValue->llVal = 0;
  if (type_ == VT_I4) {
    pvarValue->lVal = intValue_;
  } else if (type_ == VT_UNKNOWN) {
    HandOut(unknownValue_.get(), &pvarValue->punkVal);
  } else {
    return S_FALSE;
  }
  return S_OK;
}

HRESULT Compartment::AdviseSink(REFIID riid, IUnknown* punk, DWORD* pdwCookie) {
  return sinks_.Advise(riid, punk, pdwCookie);
}

HRESULT Compartment::UnadviseSink(DWORD dwCookie) { return sinks_.Unadvise(dwCookie); }

void Compartment::Clear() {
  if (type_ == VT_EMPTY) return;
  type_ = VT_EMPTY;
  intValue_ = 0;
  unknownValue_.Reset();
  NotifyChange();
}

void Compartment::NotifyChange() {
  // The sinks may drop the last other reference to this compartment.
  ComPtr<ITfCompartment> keep(this);
  GUID guid = guid_;
  sinks_.Notify<ITfCompartmentEventSink>(IID_ITfCompartmentEventSink,
                                         [&](ITfCompartmentEventSink* sink) { sink->OnChange(guid); });
}

}  // namespace platform
