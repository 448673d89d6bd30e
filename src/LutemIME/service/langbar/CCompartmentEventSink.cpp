#include "service/langbar/CCompartmentEventSink.h"

CCompartmentEventSink::CCompartmentEventSink(Callback callback, void* context)
    : compartment(nullptr), cookie(0), callback(callback), context(context), refCount(1) {}

CCompartmentEventSink::~CCompartmentEventSink() { StopListening(); }

STDMETHODIMP CCompartmentEventSink::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_INVALIDARG;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITfCompartmentEventSink)) {
    *ppvObject = nullptr;
    return E_NOINTERFACE;
  }
  *ppvObject = static_cast<ITfCompartmentEventSink*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CCompartmentEventSink::AddRef() { return ++refCount; }

STDMETHODIMP_(ULONG) CCompartmentEventSink::Release() {
  ULONG left = --refCount;
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP CCompartmentEventSink::OnChange(REFGUID rguid) {
  return callback != nullptr ? callback(context, rguid) : S_OK;
}

HRESULT CCompartmentEventSink::StartListening(IUnknown* threadMgr, REFGUID guid) {
  if (threadMgr == nullptr) return E_INVALIDARG;
  StopListening();  // one compartment at a time
  ITfCompartmentMgr* manager = nullptr;
  HRESULT hr = threadMgr->QueryInterface(IID_ITfCompartmentMgr, reinterpret_cast<void**>(&manager));
  if (FAILED(hr)) return hr;
  if (manager == nullptr) return E_FAIL;
  hr = manager->GetCompartment(guid, &compartment);
  manager->Release();
  if (SUCCEEDED(hr) && compartment == nullptr) hr = E_FAIL;
  if (FAILED(hr)) return hr;

  ITfSource* source = nullptr;
  hr = compartment->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(&source));
  if (SUCCEEDED(hr) && source == nullptr) hr = E_FAIL;
  if (SUCCEEDED(hr)) {
    hr = source->AdviseSink(IID_ITfCompartmentEventSink,
                            static_cast<ITfCompartmentEventSink*>(this), &cookie);
    source->Release();
  }
  if (FAILED(hr)) {
    // Not listening: stopping must find nothing to undo.
    compartment->Release();
    compartment = nullptr;
    cookie = 0;
  }
  return hr;
}

HRESULT CCompartmentEventSink::StopListening() {
  if (compartment == nullptr) return S_FALSE;
  HRESULT hr = E_FAIL;
  ITfSource* source = nullptr;
  if (SUCCEEDED(compartment->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(&source))) &&
      source != nullptr) {
    hr = source->UnadviseSink(cookie);
    source->Release();
  }
  compartment->Release();
  compartment = nullptr;
  cookie = 0;
  return hr;
}
