// A document manager of the stand-in's TSF (ITfDocumentMgr): the stack of
// contexts of one document, at most two deep (TF_E_STACKFULL beyond), as the
// ITfDocumentMgr reference describes. Pushing the first context tells the
// thread manager's ITfThreadMgrEventSinks OnInitDocumentMgr, then every
// push OnPushContext; every pop OnPopContext, and popping the last one
// OnUninitDocumentMgr; a popped context's text is told (ContextText::Popped).
// GetTop and GetBase answer S_OK with null on an empty
// stack; EnumContexts lists the stack from the base up.
//
// Failure switches: "ITfDocumentMgr::CreateContext", "ITfDocumentMgr::Push",
// "ITfDocumentMgr::GetTop", "ITfDocumentMgr::EnumContexts".
#pragma once

#include <vector>

#include "Platform.h"
#include "msctf/ComObject.h"
#include "msctf/ComPtr.h"

namespace platform {

class Context;
class ThreadMgr;

class DocumentMgr final : public ComObject<ITfDocumentMgr> {
 public:
  explicit DocumentMgr(ThreadMgr* threadMgr);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // ITfDocumentMgr
  HRESULT STDMETHODCALLTYPE CreateContext(TfClientId tidOwner, DWORD dwFlags, IUnknown* punk,
                                          ITfContext** ppic, TfEditCookie* pecTextStore) override;
  HRESULT STDMETHODCALLTYPE Push(ITfContext* pic) override;
  HRESULT STDMETHODCALLTYPE Pop(DWORD dwFlags) override;
  HRESULT STDMETHODCALLTYPE GetTop(ITfContext** ppic) override;
  HRESULT STDMETHODCALLTYPE GetBase(ITfContext** ppic) override;
  HRESULT STDMETHODCALLTYPE EnumContexts(IEnumTfContexts** ppEnum) override;

  // The stand-in's own document manager behind an ITfDocumentMgr, or null.
  static DocumentMgr* From(ITfDocumentMgr* documentMgr);

  // The top context, or null; no reference.
  Context* Top() const;
  ThreadMgr* threadMgr() const { return threadMgr_; }
  void ForgetThreadMgr() { threadMgr_ = nullptr; }
  void ForgetContext(Context* context);

 private:
  ~DocumentMgr() override;
  void NotifyThreadMgr(int event, ITfContext* context);

  ThreadMgr* threadMgr_;
  std::vector<ComPtr<Context>> stack_;  // base first
  std::vector<Context*> made_;          // contexts this manager made, still alive
};

}  // namespace platform
