// The edit sessions of one context (ITfContext::RequestEditSession, as its
// reference describes the flags and results) and the notices that follow
// edits.
//
// Requests: a null session or result pointer, an access that is neither
// TF_ES_READ nor TF_ES_READWRITE, or TF_ES_SYNC with TF_ES_ASYNC give
// E_INVALIDARG. Every other request returns S_OK and leaves its outcome in
// *phrSession: the session's own result when it ran before the call
// returned; TF_S_ASYNC when it waits in the thread's queue
// (EditSessionQueue); TF_E_SYNCHRONOUS when a synchronous lock was refused;
// TS_E_READONLY for TF_ES_READWRITE on a read-only document. When it runs
// is the host's grant (host/msctf/EditSessions.h):
// - TF_ES_SYNC with no lock held runs at once, unless the application
//   refuses synchronous locks (a TF_ES_SYNC | TF_ES_READ request from
//   inside OnLayoutChange is still granted: the application is laying
//   out and answers questions about it);
// - TF_ES_SYNC inside a running session of this document runs nested at
//   once when the running lock allows it (read/write for a read/write
//   request), else TF_E_SYNCHRONOUS; inside OnEndEdit it is always
//   TF_E_SYNCHRONOUS, since changes requested there must be asynchronous;
// - TF_ES_ASYNCDONTCARE runs at once only under the immediate grant with no
//   lock held, else it waits; TF_ES_ASYNC always waits. Synchronous
//   requests therefore run before the ones waiting.
// Cookies live as EditLocks says. After every read/write lock that was not
// nested in another (a session, a composition's termination), and after
// every change the application makes itself (typing, moving the caret,
// loading text), each ITfTextEditSink is told OnEndEdit(context, a
// read-only cookie, a record of whether the selection moved).
//
// Layout notices: each ITfTextLayoutSink of the context is told
// OnLayoutChange(context, code, view).
//
// Failure switch: "ITfContext::RequestEditSession" (E_FAIL, *phrSession
// E_FAIL, nothing queued).
#pragma once

#include <functional>

#include "Platform.h"
#include "msctf/EditLocks.h"
#include "msctf/TextDocument.h"

namespace platform {

class SinkList;

class EditSessions {
 public:
  EditSessions(ITfContext& context, TextDocument& document, const SinkList& sinks);

  HRESULT Request(TfClientId client, ITfEditSession* session, DWORD flags, HRESULT* result);
  // A waiting session's turn. One that wants to write to a document that
  // became read-only meanwhile is dropped.
  void RunQueued(TfClientId client, ITfEditSession* session, bool write);
  // Runs body under a fresh lock; OnEndEdit follows an outermost write lock.
  HRESULT RunLocked(bool write, TfClientId client, EditLocks::Kind kind,
                    const std::function<HRESULT(TfEditCookie)>& body);
  // The application changed the document itself; before: its selection
  // until then.
  void ApplicationChanged(const TextSelection& before);
  void NotifyLayout(TfLayoutCode code, ITfContextView* view);

 private:
  HRESULT Run(TfClientId client, ITfEditSession* session, bool write);
  void NotifyEndEdit(bool selectionChanged);

  ITfContext& context_;
  TextDocument& document_;
  const SinkList& sinks_;
  int layoutNotices_ = 0;
};

}  // namespace platform
