// A context of the stand-in's TSF: one document's text as a text service
// sees it (ITfContext), the sinks advised on it (ITfSource:
// ITfTextEditSink, ITfTextLayoutSink), and its own compartments
// (ITfCompartmentMgr; GUID_COMPARTMENT_KEYBOARD_DISABLED and
// GUID_COMPARTMENT_EMPTYCONTEXT are context compartments in TSF). Everything
// about the text itself is its ContextText's.
//
// A context knows the document manager that made it until that manager
// goes; it is on that manager's stack between Push and Pop.
//
// Failure switch: "ITfContext::QueryInterface", qualified by the
// interface's name.
#pragma once

#include <memory>

#include "Platform.h"
#include "msctf/ComObject.h"
#include "msctf/CompartmentMgr.h"
#include "msctf/ContextText.h"
#include "msctf/SinkList.h"

namespace platform {

class DocumentMgr;

class Context final : public ComObject<ITfContext, ITfSource> {
 public:
  Context(DocumentMgr* documentMgr, TfClientId owner, IUnknown* textStore);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // ITfContext
  HRESULT STDMETHODCALLTYPE RequestEditSession(TfClientId tid, ITfEditSession* pes, DWORD dwFlags,
                                               HRESULT* phrSession) override;
  HRESULT STDMETHODCALLTYPE InWriteSession(TfClientId tid, BOOL* pfWriteSession) override;
  HRESULT STDMETHODCALLTYPE GetSelection(TfEditCookie ec, ULONG ulIndex, ULONG ulCount,
                                         TF_SELECTION* pSelection, ULONG* pcFetched) override;
  HRESULT STDMETHODCALLTYPE SetSelection(TfEditCookie ec, ULONG ulCount,
                                         const TF_SELECTION* pSelection) override;
  HRESULT STDMETHODCALLTYPE GetStart(TfEditCookie ec, ITfRange** ppStart) override;
  HRESULT STDMETHODCALLTYPE GetEnd(TfEditCookie ec, ITfRange** ppEnd) override;
  HRESULT STDMETHODCALLTYPE GetActiveView(ITfContextView** ppView) override;
  HRESULT STDMETHODCALLTYPE EnumViews(IEnumTfContextViews** ppEnum) override;
  HRESULT STDMETHODCALLTYPE GetStatus(TF_STATUS* pdcs) override;
  HRESULT STDMETHODCALLTYPE GetProperty(REFGUID guidProp, ITfProperty** ppProp) override;
  HRESULT STDMETHODCALLTYPE GetAppProperty(REFGUID guidProp,
                                           ITfReadOnlyProperty** ppProp) override;
  HRESULT STDMETHODCALLTYPE TrackProperties(const GUID** prgProp, ULONG cProp,
                                            const GUID** prgAppProp, ULONG cAppProp,
                                            ITfReadOnlyProperty** ppProperty) override;
  HRESULT STDMETHODCALLTYPE EnumProperties(IEnumTfProperties** ppEnum) override;
  HRESULT STDMETHODCALLTYPE GetDocumentMgr(ITfDocumentMgr** ppDm) override;
  HRESULT STDMETHODCALLTYPE CreateRangeBackup(TfEditCookie ec, ITfRange* pRange,
                                              ITfRangeBackup** ppBackup) override;
  // ITfSource
  HRESULT STDMETHODCALLTYPE AdviseSink(REFIID riid, IUnknown* punk, DWORD* pdwCookie) override;
  HRESULT STDMETHODCALLTYPE UnadviseSink(DWORD dwCookie) override;

  // The stand-in's own context behind an ITfContext, or null for any other
  // object.
  static Context* From(ITfContext* context);

  DocumentMgr* documentMgr() const { return documentMgr_; }
  void ForgetDocumentMgr() { documentMgr_ = nullptr; }
  TfClientId owner() const { return owner_; }
  // The ITfTextEditSinks and ITfTextLayoutSinks advised on this context.
  const SinkList& sinks() const { return sinks_; }
  CompartmentMgr& compartments() { return compartments_; }
  ContextText& text() { return *text_; }

 private:
  ~Context() override;

  DocumentMgr* documentMgr_;
  TfClientId owner_;
  SinkList sinks_;
  CompartmentMgr compartments_;
  std::unique_ptr<ContextText> text_;
};

}  // namespace platform
