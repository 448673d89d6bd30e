// Which thread has which message queue. A thread gets its queue at its first
// user32 call that needs one; when the thread ends its queue closes and its
// windows leave the desktop (no procedure can run on a thread that is gone).
#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "user32/MessageQueue.h"

namespace platform {

class ThreadQueues {
 public:
  static ThreadQueues& Instance();

  // The calling thread's queue, made on first use.
  std::shared_ptr<MessageQueue> Current();
  // Null when the thread has no queue (never had one, or has ended).
  std::shared_ptr<MessageQueue> Of(DWORD threadId);
  // Ends the calling thread's queue and windows now, as its end would:
  // a program's process ends before its image goes.
  void EndCurrent();

 private:
  friend class ThreadQueueOwner;
  void Forget(DWORD threadId);

  std::mutex lock_;
  std::map<DWORD, std::shared_ptr<MessageQueue>> queues_;
};

}  // namespace platform
