// The keystroke manager and the key event sink a keyboard text service
// advises on it. Slot order and signatures as in the SDK's msctf.idl, as the
// Text Services Framework reference lists them.
#pragma once

#include "platform/msctf/WinTsf.h"

struct ITfKeystrokeMgr : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE AdviseKeyEventSink(TfClientId tid, ITfKeyEventSink* pSink,
                                                       BOOL fForeground) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnadviseKeyEventSink(TfClientId tid) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetForeground(CLSID* pclsid) = 0;
  virtual HRESULT STDMETHODCALLTYPE TestKeyDown(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) = 0;
  virtual HRESULT STDMETHODCALLTYPE TestKeyUp(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) = 0;
  virtual HRESULT STDMETHODCALLTYPE KeyDown(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) = 0;
  virtual HRESULT STDMETHODCALLTYPE KeyUp(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPreservedKey(ITfContext* pic, const TF_PRESERVEDKEY* pprekey,
                                                    GUID* pguid) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsPreservedKey(REFGUID rguid, const TF_PRESERVEDKEY* pprekey,
                                                   BOOL* pfRegistered) = 0;
  virtual HRESULT STDMETHODCALLTYPE PreserveKey(TfClientId tid, REFGUID rguid,
                                                const TF_PRESERVEDKEY* prekey,
                                                const WCHAR* pchDesc, ULONG cchDesc) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnpreserveKey(REFGUID rguid,
                                                  const TF_PRESERVEDKEY* pprekey) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetPreservedKeyDescription(REFGUID rguid,
                                                               const WCHAR* pchDesc,
                                                               ULONG cchDesc) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPreservedKeyDescription(REFGUID rguid,
                                                               BSTR* pbstrDesc) = 0;
  virtual HRESULT STDMETHODCALLTYPE SimulatePreservedKey(ITfContext* pic, REFGUID rguid,
                                                         BOOL* pfEaten) = 0;
};

struct ITfKeyEventSink : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE OnSetFocus(BOOL fForeground) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnTestKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                                  BOOL* pfEaten) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnTestKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                                BOOL* pfEaten) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                              BOOL* pfEaten) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                            BOOL* pfEaten) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnPreservedKey(ITfContext* pic, REFGUID rguid,
                                                   BOOL* pfEaten) = 0;
};

inline constexpr IID IID_ITfKeystrokeMgr = {
    0xaa80e7f0, 0x2021, 0x11d2, {0x93, 0xe0, 0x00, 0x60, 0xb0, 0x67, 0xb8, 0x6e}};
inline constexpr IID IID_ITfKeyEventSink = {
    0xaa80e7f5, 0x2021, 0x11d2, {0x93, 0xe0, 0x00, 0x60, 0xb0, 0x67, 0xb8, 0x6e}};
