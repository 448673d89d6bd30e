#pragma once

#include "Platform.h"

// Watches one compartment of the thread manager and calls back a function
// with its context on every change. Lives on the host's UI thread, so its
// count is not interlocked.
class CCompartmentEventSink final : public ITfCompartmentEventSink {
 public:
  typedef HRESULT (*Callback)(void* context, REFGUID guid);

  CCompartmentEventSink(Callback callback, void* context);
  CCompartmentEventSink(const CCompartmentEventSink&) = delete;
  CCompartmentEventSink& operator=(const CCompartmentEventSink&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // ITfCompartmentEventSink
  STDMETHODIMP OnChange(REFGUID rguid) override;

  // Advises this sink on the compartment guid of threadMgr (the thread
  // manager, through ITfCompartmentMgr). The first failure is returned.
  HRESULT StartListening(IUnknown* threadMgr, REFGUID guid);
  // Unadvises it again; a sink that is not listening does nothing.
  HRESULT StopListening();

 private:
  ~CCompartmentEventSink();

  ITfCompartment* compartment;
  DWORD cookie;
  Callback callback;
  void* context;
  ULONG refCount;
};
