#include "msctf/EditSessionQueue.h"

#include <algorithm>
#include <atomic>

#include "msctf/Context.h"
#include "msctf/EditSessions.h"

namespace platform {
namespace {

std::atomic<EditSessionGrant> currentGrant{EditSessionGrant::Immediate};

}  // namespace

EditSessionQueue& EditSessionQueue::ForThread() {
  thread_local EditSessionQueue queue;
  return queue;
}

void EditSessionQueue::SetGrant(EditSessionGrant grant) { currentGrant = grant; }

EditSessionGrant EditSessionQueue::grant() { return currentGrant; }

void EditSessionQueue::Add(ITfContext* context, TfClientId client, ITfEditSession* session,
                           bool write) {
  entries_.push_back(Entry{ComPtr<ITfContext>(context), client, ComPtr<ITfEditSession>(session), write});
}

void EditSessionQueue::Drop(ITfContext* context) {
  std::deque<Entry> dropped;
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (it->context.get() == context) {
      dropped.push_back(std::move(*it));
      it = entries_.erase(it);
    } else {
      ++it;
    }
  }
  // Released here, after the queue is consistent: a session's release may
  // reach back into TSF.
}

int EditSessionQueue::RunAll() {
  int ran = 0;
  while (!entries_.empty()) {
    Entry entry = std::move(entries_.front());
    entries_.pop_front();
    Context::From(entry.context.get())
        ->text()
        .sessions()
        .RunQueued(entry.client, entry.session.get(), entry.write);
    ++ran;
  }
  return ran;
}

}  // namespace platform
