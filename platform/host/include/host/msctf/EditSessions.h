// How the application grants the locks that edit sessions ask for
// (ITfContext::RequestEditSession), and the sessions still waiting for
// one. Process-wide; the queue is the calling thread's.
//
// Whatever the grant, a TF_ES_SYNC request made while a session of the
// same document runs is granted at once (nested) when the running lock is
// enough for it, and refused (TF_E_SYNCHRONOUS) from inside OnEndEdit;
// TF_ES_ASYNC requests, and every request that cannot run at once, wait in
// the queue (TF_S_ASYNC) until the host pumps (host::PumpMessages or
// RunPendingEditSessions), which runs them in the order they were made.
#pragma once

#include <cstddef>

namespace host {

enum class EditSessionGrant {
  // TF_ES_SYNC and TF_ES_ASYNCDONTCARE requests run before the request
  // returns (the default).
  Immediate,
  // TF_ES_SYNC requests run at once; TF_ES_ASYNCDONTCARE ones wait.
  Deferred,
  // The application grants no synchronous lock: TF_ES_SYNC requests give
  // TF_E_SYNCHRONOUS (a TF_ES_SYNC | TF_ES_READ request from inside
  // OnLayoutChange excepted) and TF_ES_ASYNCDONTCARE ones wait.
  RefuseSynchronous,
};
void SetEditSessionGrant(EditSessionGrant grant);
EditSessionGrant CurrentEditSessionGrant();

// Sessions waiting on the calling thread.
size_t PendingEditSessionCount();
// Runs them (and those they queue) in order; how many ran.
int RunPendingEditSessions();

}  // namespace host
