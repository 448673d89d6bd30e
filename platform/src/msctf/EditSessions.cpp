#include "msctf/EditSessions.h"

#include "common/FailureSwitch.h"
#include "msctf/ComPtr.h"
#include "msctf/EditRecord.h"
#include "msctf/EditSessionQueue.h"
#include "msctf/SinkList.h"

namespace platform {

EditSessions::EditSessions(ITfContext& context, TextDocument& document, const SinkList& sinks)
    : context_(context), document_(document), sinks_(sinks) {}

HRESULT EditSessions::Request(TfClientId client, ITfEditSession* session, DWORD flags,
                              HRESULT* result) {
  if (result) *result = E_FAIL;
  if (ShouldFail("ITfContext::RequestEditSession")) return E_FAIL;
  if (session == nullptr || result == nullptr) return E_INVALIDARG;
  DWORD access = flags & TF_ES_READWRITE;
  bool sync = (flags & TF_ES_SYNC) != 0;
  bool async = (flags & TF_ES_ASYNC) != 0;
  if ((access != TF_ES_READ && access != TF_ES_READWRITE) || (sync && async)) return E_INVALIDARG;
  bool write = access == TF_ES_READWRITE;
  if (write && document_.readOnly()) {
    *result = TS_E_READONLY;
    return S_OK;
  }
  const EditLocks::Lock* held = document_.locks().innermost();
  if (sync) {
    bool granted;
    if (held) {
      granted = held->kind != EditLocks::Kind::kEndEdit && (held->write || !write);
    } else {
      granted = EditSessionQueue::grant() != EditSessionGrant::RefuseSynchronous ||
                (layoutNotices_ > 0 && !write);
    }
    *result = granted ? Run(client, session, write) : TF_E_SYNCHRONOUS;
    return S_OK;
  }
  if (!async && !held && EditSessionQueue::grant() == EditSessionGrant::Immediate) {
    *result = Run(client, session, write);
    return S_OK;
  }
  EditSessionQueue::ForThread().Add(&context_, client, session, write);
  *result = TF_S_ASYNC;
  return S_OK;
}

void EditSessions::RunQueued(TfClientId client, ITfEditSession* session, bool write) {
  if (write && document_.readOnly()) return;
  Run(client, session, write);
}

HRESULT EditSessions::Run(TfClientId client, ITfEditSession* session, bool write) {
  ComPtr<ITfEditSession> keep(session);
  return RunLocked(write, client, EditLocks::Kind::kSession,
                   [&](TfEditCookie ec) { return session->DoEditSession(ec); });
}

HRESULT EditSessions::RunLocked(bool write, TfClientId client, EditLocks::Kind kind,
                                const std::function<HRESULT(TfEditCookie)>& body) {
  ComPtr<ITfContext> keep(&context_);
  bool outermost = !document_.locks().held();
  TextSelection before = document_.selection();
  HRESULT hr;
  {
    EditLocks::Scope lock(document_.locks(), write, client, kind);
    hr = body(lock.cookie());
  }
  if (outermost && write) NotifyEndEdit(document_.selection() != before);
  return hr;
}

void EditSessions::ApplicationChanged(const TextSelection& before) {
  ComPtr<ITfContext> keep(&context_);
  NotifyEndEdit(document_.selection() != before);
}

void EditSessions::NotifyEndEdit(bool selectionChanged) {
  EditLocks::Scope lock(document_.locks(), false, TF_CLIENTID_NULL, EditLocks::Kind::kEndEdit);
  ComPtr<ITfEditRecord> record = ComPtr<ITfEditRecord>::Adopt(new EditRecord(selectionChanged));
  sinks_.Notify<ITfTextEditSink>(IID_ITfTextEditSink, [&](ITfTextEditSink* sink) {
    sink->OnEndEdit(&context_, lock.cookie(), record.get());
  });
}

void EditSessions::NotifyLayout(TfLayoutCode code, ITfContextView* view) {
  ComPtr<ITfContext> keep(&context_);
  ++layoutNotices_;
  sinks_.Notify<ITfTextLayoutSink>(IID_ITfTextLayoutSink, [&](ITfTextLayoutSink* sink) {
    sink->OnLayoutChange(&context_, code, view);
  });
  --layoutNotices_;
}

}  // namespace platform
