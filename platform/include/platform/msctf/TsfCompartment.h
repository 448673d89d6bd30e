// Compartments: named values kept by the thread manager and by each context,
// with change notifications. Slot order and signatures as in the SDK's
// msctf.idl, as the Text Services Framework reference lists them.
#pragma once

#include "platform/msctf/WinTsf.h"

struct ITfCompartmentMgr : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetCompartment(REFGUID rguid, ITfCompartment** ppcomp) = 0;
  virtual HRESULT STDMETHODCALLTYPE ClearCompartment(TfClientId tid, REFGUID rguid) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumCompartments(IEnumGUID** ppEnum) = 0;
};

struct ITfCompartment : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetValue(TfClientId tid, const VARIANT* pvarValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetValue(VARIANT* pvarValue) = 0;
};

struct ITfCompartmentEventSink : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE OnChange(REFGUID rguid) = 0;
};

inline constexpr IID IID_ITfCompartmentMgr = {
    0x7dcf57ac, 0x18ad, 0x438b, {0x82, 0x4d, 0x97, 0x9b, 0xff, 0xb7, 0x4b, 0x7c}};
inline constexpr IID IID_ITfCompartment = {
    0xbb08f7a9, 0x607a, 0x4384, {0x86, 0x23, 0x05, 0x68, 0x92, 0xb6, 0x43, 0x71}};
inline constexpr IID IID_ITfCompartmentEventSink = {
    0x743abd5f, 0xf26d, 0x48df, {0x8c, 0xc5, 0x23, 0x84, 0x92, 0x41, 0x9b, 0x64}};
