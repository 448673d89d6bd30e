#include "user32/ThreadQueues.h"

#include "user32/Desktop.h"

namespace platform {

// Held by each thread that has a queue; its destruction at the thread's end
// closes the queue and takes the thread's windows away.
class ThreadQueueOwner {
 public:
  ~ThreadQueueOwner() { End(); }
  void End() {
    if (!queue) return;
    DWORD threadId = queue->ThreadId();
    ThreadQueues::Instance().Forget(threadId);
    queue->Close();
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    for (const auto& window : desktop.All())
      if (window->threadId == threadId) desktop.Remove(window->handle);
    queue.reset();
  }
  std::shared_ptr<MessageQueue> queue;
};

namespace {
thread_local ThreadQueueOwner owner;
}

ThreadQueues& ThreadQueues::Instance() {
  static ThreadQueues* queues = new ThreadQueues;
  return *queues;
}

std::shared_ptr<MessageQueue> ThreadQueues::Current() {
  if (owner.queue) return owner.queue;
  auto queue = std::make_shared<MessageQueue>(GetCurrentThreadId());
  {
    std::lock_guard<std::mutex> hold(lock_);
    queues_[queue->ThreadId()] = queue;
  }
  owner.queue = queue;
  return queue;
}

std::shared_ptr<MessageQueue> ThreadQueues::Of(DWORD threadId) {
  std::lock_guard<std::mutex> hold(lock_);
  auto found = queues_.find(threadId);
  return found == queues_.end() ? nullptr : found->second;
}

void ThreadQueues::EndCurrent() { owner.End(); }

void ThreadQueues::Forget(DWORD threadId) {
  std::lock_guard<std::mutex> hold(lock_);
  queues_.erase(threadId);
}

}  // namespace platform
