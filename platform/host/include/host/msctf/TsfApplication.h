// The application's side of TSF on the calling thread, for tests and tools:
// it joins the thread's thread manager as an application does (makes it if
// the thread has none, and ITfThreadMgr::Activate), makes document managers
// and their contexts, moves the focus, and activates text services as TSF
// does when the user picks a keyboard. Everything reads back through the
// other host/msctf headers, which report on the calling thread's thread
// manager.
#pragma once

#include <vector>

#include "Platform.h"

namespace host {

class TsfApplication {
 public:
  TsfApplication();
  // Deactivates the text services still active (the application's last
  // ITfThreadMgr::Deactivate), pops and releases its documents, and
  // releases the thread manager.
  ~TsfApplication();
  TsfApplication(const TsfApplication&) = delete;
  TsfApplication& operator=(const TsfApplication&) = delete;

  ITfThreadMgr* threadMgr() const { return threadMgr_; }
  // The application's own client id.
  TfClientId clientId() const { return clientId_; }

  // A new document manager with one context of the application's on its
  // stack; kept (with its contexts) until this object goes.
  ITfDocumentMgr* CreateDocument();
  // A new document manager with no context.
  ITfDocumentMgr* CreateEmptyDocument();
  // A new context pushed onto document (made here); null when the push
  // fails.
  ITfContext* PushContext(ITfDocumentMgr* document);
  // document's top context, or null; no reference.
  static ITfContext* TopContext(ITfDocumentMgr* document);

  // Gives the focus to document; null takes it from every document.
  void Focus(ITfDocumentMgr* document);
  // The thread gains or loses the thread focus (ITfThreadFocusSink).
  void SetThreadFocus(bool focused);

  // Activates the text service of class clsid as TSF does: CoCreateInstance
  // of clsid for ITfTextInputProcessorEx (the registered in-process server),
  // then ActivateEx with a fresh client id and flags. A failed
  // CoCreateInstance or ActivateEx is returned, and the service released.
  HRESULT ActivateTextService(REFCLSID clsid, DWORD flags = 0, TfClientId* clientId = nullptr);
  // The same with a service the caller made (a test's own).
  HRESULT ActivateTextService(REFCLSID clsid, ITfTextInputProcessorEx* service, DWORD flags = 0,
                              TfClientId* clientId = nullptr);
  // Deactivate, then release. E_INVALIDARG when clsid is not active.
  HRESULT DeactivateTextService(REFCLSID clsid);
  // The active service's client id, or TF_CLIENTID_NULL.
  TfClientId TextServiceClientId(REFCLSID clsid) const;
  // ITfActiveLanguageProfileNotifySink::OnActivated to every advised sink,
  // as TSF tells them when a profile is switched.
  void NotifyProfileActivated(REFCLSID clsid, REFGUID profile, bool activated);

 private:
  ITfThreadMgr* threadMgr_ = nullptr;
  TfClientId clientId_ = TF_CLIENTID_NULL;
  std::vector<ITfDocumentMgr*> documents_;
};

}  // namespace host
