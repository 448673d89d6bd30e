// The edit sessions of one thread that wait for an asynchronous lock, in
// the order they were requested, and the process-wide grant the host
// chose (host/msctf/EditSessions.h). The queue holds a reference on each
// waiting session and on its context; it runs them when the host pumps.
// Sessions of a context popped off its document are dropped, as the
// context can no longer be edited.
#pragma once

#include <deque>

#include "Platform.h"
#include "host/msctf/EditSessions.h"
#include "msctf/ComPtr.h"

namespace platform {

using host::EditSessionGrant;

class EditSessionQueue {
 public:
  static EditSessionQueue& ForThread();
  static void SetGrant(EditSessionGrant grant);
  static EditSessionGrant grant();

  void Add(ITfContext* context, TfClientId client, ITfEditSession* session, bool write);
  void Drop(ITfContext* context);
  // Runs the waiting sessions, those they queue included; how many ran.
  int RunAll();
  size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    ComPtr<ITfContext> context;
    TfClientId client;
    ComPtr<ITfEditSession> session;
    bool write;
  };
  std::deque<Entry> entries_;
};

}  // namespace platform
