#include "msctf/Context.h"

#include "common/FailureSwitch.h"
#include "msctf/DocumentMgr.h"
#include "msctf/GuidNames.h"

namespace platform {

Context::Context(DocumentMgr* documentMgr, TfClientId owner, IUnknown* textStore)
    : documentMgr_(documentMgr),
      owner_(owner),
      sinks_("ITfContext", {IID_ITfTextEditSink, IID_ITfTextLayoutSink}),
      compartments_(*static_cast<ITfContext*>(this), "ITfContext"),
      text_(new ContextText(*this, textStore)) {}

Context::~Context() {
  // The text side may still call back into the context while it goes.
  text_.reset();
  sinks_.Clear();
  compartments_.Clear();
  if (documentMgr_) documentMgr_->ForgetContext(this);
}

Context* Context::From(ITfContext* context) { return dynamic_cast<Context*>(context); }

HRESULT Context::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  if (ShouldFail("ITfContext::QueryInterface", GuidName(riid))) return E_NOINTERFACE;
  void* found = nullptr;
  if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfContext)) {
    found = static_cast<ITfContext*>(this);
  } else if (IsEqualGUID(riid, IID_ITfSource)) {
    found = static_cast<ITfSource*>(this);
  } else if (IsEqualGUID(riid, IID_ITfCompartmentMgr)) {
    found = static_cast<ITfCompartmentMgr*>(&compartments_);
  } else {
    found = text_->FindInterface(riid);
  }
  return Answer(found, object);
}

HRESULT Context::RequestEditSession(TfClientId tid, ITfEditSession* pes, DWORD dwFlags,
                                    HRESULT* phrSession) {
  return text_->RequestEditSession(tid, pes, dwFlags, phrSession);
}

HRESULT Context::InWriteSession(TfClientId tid, BOOL* pfWriteSession) {
  return text_->InWriteSession(tid, pfWriteSession);
}

HRESULT Context::GetSelection(TfEditCookie ec, ULONG ulIndex, ULONG ulCount,
                              TF_SELECTION* pSelection, ULONG* pcFetched) {
  return text_->GetSelection(ec, ulIndex, ulCount, pSelection, pcFetched);
}

HRESULT Context::SetSelection(TfEditCookie ec, ULONG ulCount, const TF_SELECTION* pSelection) {
  return text_->SetSelection(ec, ulCount, pSelection);
}

HRESULT Context::GetStart(TfEditCookie ec, ITfRange** ppStart) {
  return text_->GetStart(ec, ppStart);
}

HRESULT Context::GetEnd(TfEditCookie ec, ITfRange** ppEnd) { return text_->GetEnd(ec, ppEnd); }

HRESULT Context::GetActiveView(ITfContextView** ppView) { return text_->GetActiveView(ppView); }

HRESULT Context::EnumViews(IEnumTfContextViews** ppEnum) { return text_->EnumViews(ppEnum); }

HRESULT Context::GetStatus(TF_STATUS* pdcs) { return text_->GetStatus(pdcs); }

HRESULT Context::GetProperty(REFGUID guidProp, ITfProperty** ppProp) {
  return text_->GetProperty(guidProp, ppProp);
}

HRESULT Context::GetAppProperty(REFGUID guidProp, ITfReadOnlyProperty** ppProp) {
  return text_->GetAppProperty(guidProp, ppProp);
}

HRESULT Context::TrackProperties(const GUID** prgProp, ULONG cProp, const GUID** prgAppProp,
                                 ULONG cAppProp, ITfReadOnlyProperty** ppProperty) {
  return text_->TrackProperties(prgProp, cProp, prgAppProp, cAppProp, ppProperty);
}

HRESULT Context::EnumProperties(IEnumTfProperties** ppEnum) {
  return text_->EnumProperties(ppEnum);
}

HRESULT Context::GetDocumentMgr(ITfDocumentMgr** ppDm) {
  if (ppDm == nullptr) return E_INVALIDARG;
  HandOut(static_cast<ITfDocumentMgr*>(documentMgr_), ppDm);
  return documentMgr_ ? S_OK : S_FALSE;
}

HRESULT Context::CreateRangeBackup(TfEditCookie ec, ITfRange* pRange, ITfRangeBackup** ppBackup) {
  return text_->CreateRangeBackup(ec, pRange, ppBackup);
}

HRESULT Context::AdviseSink(REFIID riid, IUnknown* punk, DWORD* pdwCookie) {
  return sinks_.Advise(riid, punk, pdwCookie);
}

HRESULT Context::UnadviseSink(DWORD dwCookie) { return sinks_.Unadvise(dwCookie); }

}  // namespace platform
