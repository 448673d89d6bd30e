#pragma once

#include "Platform.h"

// Enumerates the text service's two display attributes, input then
// converted, each Next handing out new attribute objects. Holds the module
// (DllObjectCount) while it lives; its count is not interlocked (the host's
// UI thread only).
class CEnumDisplayAttributeInfo final : public IEnumTfDisplayAttributeInfo {
 public:
  CEnumDisplayAttributeInfo();
  ~CEnumDisplayAttributeInfo();
  CEnumDisplayAttributeInfo(const CEnumDisplayAttributeInfo&) = delete;
  CEnumDisplayAttributeInfo& operator=(const CEnumDisplayAttributeInfo&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // IEnumTfDisplayAttributeInfo
  STDMETHODIMP Clone(IEnumTfDisplayAttributeInfo** ppEnum) override;
  STDMETHODIMP Next(ULONG ulCount, ITfDisplayAttributeInfo** rgInfo, ULONG* pcFetched) override;
  STDMETHODIMP Reset() override;
  STDMETHODIMP Skip(ULONG ulCount) override;

 private:
  // 0 the input attribute, 1 the converted one, 2 the end.
  ULONG index;
  ULONG refCount;
};
