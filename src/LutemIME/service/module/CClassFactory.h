#pragma once

#include "Platform.h"

// The module's class factory. It has no reference count of its own: every
// reference it hands out and every lock holds the module's object count
// (DllObjectCount), and the factory lives until that count falls below zero.
class CClassFactory final : public IClassFactory {
 public:
  // Makes the object CreateInstance hands out: same arguments and result.
  typedef HRESULT (*Creator)(IUnknown* outer, REFIID riid, void** object);

  CClassFactory(REFCLSID clsid, Creator creator);

  const CLSID& Clsid() const { return clsid; }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // IClassFactory
  STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject) override;
  STDMETHODIMP LockServer(BOOL fLock) override;

 private:
  CLSID clsid;
  Creator creator;
};
