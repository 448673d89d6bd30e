#pragma once

#include "Platform.h"

// How composed text looks: the application's colours with a black wavy
// underline. The two kinds (CDisplayAttributeInfoInput,
// CDisplayAttributeInfoConverted) differ only in their GUID and description.
// Each object holds the module (DllObjectCount) while it lives; it lives on
// the host's UI thread, so its count is not interlocked.
class CDisplayAttributeInfo : public ITfDisplayAttributeInfo {
 public:
  CDisplayAttributeInfo();
  virtual ~CDisplayAttributeInfo();
  CDisplayAttributeInfo(const CDisplayAttributeInfo&) = delete;
  CDisplayAttributeInfo& operator=(const CDisplayAttributeInfo&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // ITfDisplayAttributeInfo
  STDMETHODIMP GetGUID(GUID* pguid) override;
  STDMETHODIMP GetDescription(BSTR* pbstrDesc) override;
  STDMETHODIMP GetAttributeInfo(TF_DISPLAYATTRIBUTE* pda) override;
  STDMETHODIMP SetAttributeInfo(const TF_DISPLAYATTRIBUTE* pda) override;
  STDMETHODIMP Reset() override;

 protected:
  const GUID* guid;
  const WCHAR* description;

 private:
  ULONG refCount;
};
