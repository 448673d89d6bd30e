// The thread manager and what hangs off it: document managers and their
// context stacks, event sources, the thread's event sinks, the text input
// processor that the thread manager activates, and function providers.
// Slot order and signatures as in the SDK's msctf.idl, as the Text Services
// Framework reference lists them.
#pragma once

#include "platform/msctf/WinTsf.h"

struct ITfThreadMgr : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Activate(TfClientId* ptid) = 0;
  virtual HRESULT STDMETHODCALLTYPE Deactivate() = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateDocumentMgr(ITfDocumentMgr** ppdim) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumDocumentMgrs(IEnumTfDocumentMgrs** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFocus(ITfDocumentMgr** ppdimFocus) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetFocus(ITfDocumentMgr* pdimFocus) = 0;
  virtual HRESULT STDMETHODCALLTYPE AssociateFocus(HWND hwnd, ITfDocumentMgr* pdimNew,
                                                   ITfDocumentMgr** ppdimPrev) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsThreadFocus(BOOL* pfThreadFocus) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFunctionProvider(REFCLSID clsid,
                                                        ITfFunctionProvider** ppFuncProv) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumFunctionProviders(IEnumTfFunctionProviders** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetGlobalCompartment(ITfCompartmentMgr** ppCompMgr) = 0;
};

struct ITfSource : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE AdviseSink(REFIID riid, IUnknown* punk, DWORD* pdwCookie) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnadviseSink(DWORD dwCookie) = 0;
};

struct ITfSourceSingle : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE AdviseSingleSink(TfClientId tid, REFIID riid,
                                                     IUnknown* punk) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnadviseSingleSink(TfClientId tid, REFIID riid) = 0;
};

struct ITfDocumentMgr : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CreateContext(TfClientId tidOwner, DWORD dwFlags,
                                                  IUnknown* punk, ITfContext** ppic,
                                                  TfEditCookie* pecTextStore) = 0;
  virtual HRESULT STDMETHODCALLTYPE Push(ITfContext* pic) = 0;
  virtual HRESULT STDMETHODCALLTYPE Pop(DWORD dwFlags) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTop(ITfContext** ppic) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetBase(ITfContext** ppic) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumContexts(IEnumTfContexts** ppEnum) = 0;
};

struct IEnumTfContexts : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Clone(IEnumTfContexts** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE Next(ULONG ulCount, ITfContext** rgContext,
                                         ULONG* pcFetched) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
  virtual HRESULT STDMETHODCALLTYPE Skip(ULONG ulCount) = 0;
};

struct IEnumTfDocumentMgrs : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Clone(IEnumTfDocumentMgrs** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE Next(ULONG ulCount, ITfDocumentMgr** rgDocumentMgr,
                                         ULONG* pcFetched) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
  virtual HRESULT STDMETHODCALLTYPE Skip(ULONG ulCount) = 0;
};

struct ITfThreadMgrEventSink : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE OnInitDocumentMgr(ITfDocumentMgr* pdim) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnUninitDocumentMgr(ITfDocumentMgr* pdim) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnSetFocus(ITfDocumentMgr* pdimFocus,
                                               ITfDocumentMgr* pdimPrevFocus) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnPushContext(ITfContext* pic) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnPopContext(ITfContext* pic) = 0;
};

struct ITfThreadFocusSink : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE OnSetThreadFocus() = 0;
  virtual HRESULT STDMETHODCALLTYPE OnKillThreadFocus() = 0;
};

struct ITfTextInputProcessor : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Activate(ITfThreadMgr* ptim, TfClientId tid) = 0;
  virtual HRESULT STDMETHODCALLTYPE Deactivate() = 0;
};

struct ITfTextInputProcessorEx : public ITfTextInputProcessor {
  virtual HRESULT STDMETHODCALLTYPE ActivateEx(ITfThreadMgr* ptim, TfClientId tid,
                                               DWORD dwFlags) = 0;
};

struct ITfActiveLanguageProfileNotifySink : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE OnActivated(REFCLSID clsid, REFGUID guidProfile,
                                                BOOL fActivated) = 0;
};

struct ITfFunctionProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetType(GUID* pguid) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDescription(BSTR* pbstrDesc) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFunction(REFGUID rguid, REFIID riid, IUnknown** ppunk) = 0;
};

struct ITfFunction : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetDisplayName(BSTR* pbstrName) = 0;
};

inline constexpr IID IID_ITfThreadMgr = {
    0xaa80e801, 0x2021, 0x11d2, {0x93, 0xe0, 0x00, 0x60, 0xb0, 0x67, 0xb8, 0x6e}};
inline constexpr IID IID_ITfSource = {
    0x4ea48a35, 0x60ae, 0x446f, {0x8f, 0xd6, 0xe6, 0xa8, 0xd8, 0x24, 0x59, 0xf7}};
inline constexpr IID IID_ITfSourceSingle = {
    0x73131f9c, 0x56a9, 0x49dd, {0xb0, 0xee, 0xd0, 0x46, 0x63, 0x3f, 0x75, 0x28}};
inline constexpr IID IID_ITfDocumentMgr = {
    0xaa80e7f4, 0x2021, 0x11d2, {0x93, 0xe0, 0x00, 0x60, 0xb0, 0x67, 0xb8, 0x6e}};
inline constexpr IID IID_IEnumTfContexts = {
    0x8f1a7ea6, 0x1654, 0x4502, {0xa8, 0x6e, 0xb2, 0x90, 0x23, 0x44, 0xd5, 0x07}};
inline constexpr IID IID_IEnumTfDocumentMgrs = {
    0xaa80e808, 0x2021, 0x11d2, {0x93, 0xe0, 0x00, 0x60, 0xb0, 0x67, 0xb8, 0x6e}};
inline constexpr IID IID_ITfThreadMgrEventSink = {
    0xaa80e80e, 0x2021, 0x11d2, {0x93, 0xe0, 0x00, 0x60, 0xb0, 0x67, 0xb8, 0x6e}};
inline constexpr IID IID_ITfThreadFocusSink = {
    0xc0f1db0c, 0x3a20, 0x405c, {0xa3, 0x03, 0x96, 0xb6, 0x01, 0x0a, 0x88, 0x5f}};
inline constexpr IID IID_ITfTextInputProcessor = {
    0xaa80e7f7, 0x2021, 0x11d2, {0x93, 0xe0, 0x00, 0x60, 0xb0, 0x67, 0xb8, 0x6e}};
inline constexpr IID IID_ITfTextInputProcessorEx = {
    0x6e4e2102, 0xf9cd, 0x433d, {0xb4, 0x96, 0x30, 0x3c, 0xe0, 0x3a, 0x65, 0x07}};
inline constexpr IID IID_ITfActiveLanguageProfileNotifySink = {
    0xb246cb75, 0xa93e, 0x4652, {0xbf, 0x8c, 0xb3, 0xfe, 0x0c, 0xfd, 0x7e, 0x57}};
inline constexpr IID IID_ITfFunctionProvider = {
    0x101d6610, 0x0990, 0x11d3, {0x8d, 0xf0, 0x00, 0x10, 0x5a, 0x27, 0x99, 0xb5}};
inline constexpr IID IID_ITfFunction = {
    0xdb593490, 0x098f, 0x11d3, {0x8d, 0xf0, 0x00, 0x10, 0x5a, 0x27, 0x99, 0xb5}};
