// The thread manager of the stand-in's TSF: one per thread, as the
// ITfThreadMgr reference describes it. CoCreateInstance of CLSID_TF_ThreadMgr
// gives the calling thread's existing one with a new reference, or makes it;
// it goes when its last reference does. One object answers for ITfThreadMgr,
// ITfSource (ITfThreadMgrEventSink, ITfActiveLanguageProfileNotifySink,
// ITfThreadFocusSink), ITfSourceSingle (ITfFunctionProvider, one per client
// id), ITfKeystrokeMgr, ITfCompartmentMgr (the thread's compartments),
// ITfLangBarItemMgr and ITfUIElementMgr.
//
// Focus: SetFocus gives the focus to one of its document managers (a null
// one is refused, as documented; the host can take the focus away with
// ChangeFocus) and tells every ITfThreadMgrEventSink OnSetFocus(new,
// previous); a focus that does not change tells nobody. GetFocus answers
// S_OK with null while nothing has the focus. The thread has the thread
// focus from the start; the host moves it (ITfThreadFocusSink).
//
// Text services: the host activates one as TSF does when the user picks a
// keyboard: a fresh client id, then ActivateEx on the service; a failed
// ActivateEx releases the service again. ITfThreadMgr::Deactivate of the
// application's last activation deactivates every service still active and
// takes the focus away.
//
// Failure switches: "ITfThreadMgr::QueryInterface" (qualified by the
// interface's name), "ITfThreadMgr::CreateDocumentMgr",
// "ITfThreadMgr::GetFocus", "ITfSourceSingle::AdviseSingleSink" (qualified
// by the interface's name), and those of SinkList.
#pragma once

#include <vector>

#include "Platform.h"
#include "msctf/ComObject.h"
#include "msctf/CompartmentMgr.h"
#include "msctf/ComPtr.h"
#include "msctf/KeystrokeMgr.h"
#include "msctf/LangBarItemMgr.h"
#include "msctf/SinkList.h"
#include "msctf/UIElementMgr.h"

namespace platform {

class Context;
class DocumentMgr;

class ThreadMgr final : public ComObject<ITfThreadMgr, ITfSource, ITfSourceSingle> {
 public:
  // The calling thread's thread manager, or null; no reference.
  static ThreadMgr* Current();
  // CoCreateInstance(CLSID_TF_ThreadMgr): the calling thread's thread
  // manager, made if it has none.
  static HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // ITfThreadMgr
  HRESULT STDMETHODCALLTYPE Activate(TfClientId* ptid) override;
  HRESULT STDMETHODCALLTYPE Deactivate() override;
  HRESULT STDMETHODCALLTYPE CreateDocumentMgr(ITfDocumentMgr** ppdim) override;
  HRESULT STDMETHODCALLTYPE EnumDocumentMgrs(IEnumTfDocumentMgrs** ppEnum) override;
  HRESULT STDMETHODCALLTYPE GetFocus(ITfDocumentMgr** ppdimFocus) override;
  HRESULT STDMETHODCALLTYPE SetFocus(ITfDocumentMgr* pdimFocus) override;
  HRESULT STDMETHODCALLTYPE AssociateFocus(HWND hwnd, ITfDocumentMgr* pdimNew,
                                           ITfDocumentMgr** ppdimPrev) override;
  HRESULT STDMETHODCALLTYPE IsThreadFocus(BOOL* pfThreadFocus) override;
  HRESULT STDMETHODCALLTYPE GetFunctionProvider(REFCLSID clsid,
                                                ITfFunctionProvider** ppFuncProv) override;
  HRESULT STDMETHODCALLTYPE EnumFunctionProviders(IEnumTfFunctionProviders** ppEnum) override;
  HRESULT STDMETHODCALLTYPE GetGlobalCompartment(ITfCompartmentMgr** ppCompMgr) override;
  // ITfSource
  HRESULT STDMETHODCALLTYPE AdviseSink(REFIID riid, IUnknown* punk, DWORD* pdwCookie) override;
  HRESULT STDMETHODCALLTYPE UnadviseSink(DWORD dwCookie) override;
  // ITfSourceSingle
  HRESULT STDMETHODCALLTYPE AdviseSingleSink(TfClientId tid, REFIID riid, IUnknown* punk) override;
  HRESULT STDMETHODCALLTYPE UnadviseSingleSink(TfClientId tid, REFIID riid) override;

  // The focus; null moves it away from every document.
  void ChangeFocus(DocumentMgr* documentMgr);
  DocumentMgr* focus() const { return focus_.get(); }
  // The top context of the focused document, or null; no reference.
  Context* FocusedContext() const;
  void ChangeThreadFocus(bool focused);

  // A text service: ActivateEx with a fresh client id; a failure releases
  // it again. S_FALSE when the class is already active.
  HRESULT ActivateTextService(REFCLSID clsid, ITfTextInputProcessorEx* service, DWORD flags,
                              TfClientId* clientId);
  // Deactivate, then release. E_INVALIDARG for a class that is not active.
  HRESULT DeactivateTextService(REFCLSID clsid);
  // The client id of an active text service, or TF_CLIENTID_NULL.
  TfClientId ClientIdOf(REFCLSID clsid) const;
  // The class of the text service with clientId; false for none.
  bool ClassOf(TfClientId clientId, CLSID* clsid) const;
  // ITfActiveLanguageProfileNotifySink::OnActivated to every advised sink.
  void NotifyProfileActivated(REFCLSID clsid, REFGUID profile, BOOL activated);

  SinkList& sinks() { return sinks_; }
  const SinkList& singleSinks() const { return singleSinks_; }
  KeystrokeMgr& keystrokes() { return keystrokes_; }
  CompartmentMgr& compartments() { return compartments_; }
  LangBarItemMgr& languageBar() { return languageBar_; }
  UIElementMgr& uiElements() { return uiElements_; }

  void AddDocumentMgr(DocumentMgr* documentMgr);
  void ForgetDocumentMgr(DocumentMgr* documentMgr);

 private:
  struct TextService {
    CLSID clsid;
    TfClientId clientId;
    ComPtr<ITfTextInputProcessorEx> service;
  };

  ThreadMgr();
  ~ThreadMgr() override;

  SinkList sinks_;
  SinkList singleSinks_;
  KeystrokeMgr keystrokes_;
  CompartmentMgr compartments_;
  LangBarItemMgr languageBar_;
  UIElementMgr uiElements_;
  ComPtr<DocumentMgr> focus_;
  std::vector<DocumentMgr*> documents_;  // made by this manager, still alive
  bool threadFocus_ = true;
  std::vector<TextService> services_;
  TfClientId applicationClientId_ = TF_CLIENTID_NULL;
  int activations_ = 0;
};

// A fresh client id, distinct across the process.
TfClientId NextClientId();

}  // namespace platform
