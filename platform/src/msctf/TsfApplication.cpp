#include "host/msctf/TsfApplication.h"

#include "msctf/ComPtr.h"
#include "msctf/Context.h"
#include "msctf/DocumentMgr.h"
#include "msctf/ThreadMgr.h"
#include "ole32/BuiltInClasses.h"

namespace host {

using platform::ComPtr;
using platform::ThreadMgr;

namespace {

ThreadMgr& Own(ITfThreadMgr* threadMgr) { return *static_cast<ThreadMgr*>(threadMgr); }

}  // namespace

TsfApplication::TsfApplication() {
#ifdef _WIN32
  // A text service asks COM for "the" thread manager; it must get this one.
  platform::PublishBuiltInClasses();
#endif
  ThreadMgr::CreateInstance(nullptr, IID_ITfThreadMgr, reinterpret_cast<void**>(&threadMgr_));
  threadMgr_->Activate(&clientId_);
}

TsfApplication::~TsfApplication() {
  threadMgr_->Deactivate();
  for (ITfDocumentMgr* document : documents_) {
    document->Pop(TF_POPF_ALL);
    document->Release();
  }
  threadMgr_->Release();
#ifdef _WIN32
  platform::WithdrawBuiltInClasses();
#endif
}

ITfDocumentMgr* TsfApplication::CreateEmptyDocument() {
  ITfDocumentMgr* document = nullptr;
  if (FAILED(threadMgr_->CreateDocumentMgr(&document))) return nullptr;
  documents_.push_back(document);
  return document;
}

ITfDocumentMgr* TsfApplication::CreateDocument() {
  ITfDocumentMgr* document = CreateEmptyDocument();
  if (document && !PushContext(document)) return nullptr;
  return document;
}

ITfContext* TsfApplication::PushContext(ITfDocumentMgr* document) {
  ComPtr<ITfContext> context;
  TfEditCookie cookie = TF_INVALID_EDIT_COOKIE;
  if (FAILED(document->CreateContext(clientId_, 0, nullptr, context.Receive(), &cookie)) ||
      FAILED(document->Push(context.get()))) {
    return nullptr;
  }
  return context.get();  // the document's stack keeps it
}

ITfContext* TsfApplication::TopContext(ITfDocumentMgr* document) {
  platform::DocumentMgr* own = platform::DocumentMgr::From(document);
  return own ? static_cast<ITfContext*>(own->Top()) : nullptr;
}

void TsfApplication::Focus(ITfDocumentMgr* document) {
  Own(threadMgr_).ChangeFocus(platform::DocumentMgr::From(document));
}

void TsfApplication::SetThreadFocus(bool focused) { Own(threadMgr_).ChangeThreadFocus(focused); }

HRESULT TsfApplication::ActivateTextService(REFCLSID clsid, DWORD flags, TfClientId* clientId) {
  ComPtr<ITfTextInputProcessorEx> service;
  HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_ITfTextInputProcessorEx,
                                reinterpret_cast<void**>(service.Receive()));
  if (FAILED(hr)) return hr;
  if (!service) return E_NOINTERFACE;
  return ActivateTextService(clsid, service.get(), flags, clientId);
}

HRESULT TsfApplication::ActivateTextService(REFCLSID clsid, ITfTextInputProcessorEx* service,
                                            DWORD flags, TfClientId* clientId) {
  return Own(threadMgr_).ActivateTextService(clsid, service, flags, clientId);
}

HRESULT TsfApplication::DeactivateTextService(REFCLSID clsid) {
  return Own(threadMgr_).DeactivateTextService(clsid);
}

TfClientId TsfApplication::TextServiceClientId(REFCLSID clsid) const {
  return Own(threadMgr_).ClientIdOf(clsid);
}

void TsfApplication::NotifyProfileActivated(REFCLSID clsid, REFGUID profile, bool activated) {
  Own(threadMgr_).NotifyProfileActivated(clsid, profile, activated ? TRUE : FALSE);
}

}  // namespace host
