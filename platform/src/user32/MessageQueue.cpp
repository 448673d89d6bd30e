#include "user32/MessageQueue.h"

namespace platform {

void MessageQueue::Bump() {
  ++sequence_;
  wake_.notify_all();
}

bool MessageQueue::Post(const MSG& message) {
  std::lock_guard<std::mutex> hold(lock_);
  if (closed_) return false;
  posted_.push_back(message);
  Bump();
  return true;
}

bool MessageQueue::PushSent(const std::shared_ptr<SentMessage>& message) {
  std::lock_guard<std::mutex> hold(lock_);
  if (closed_) return false;
  sent_.push_back(message);
  Bump();
  return true;
}

void MessageQueue::PostQuit(int exitCode) {
  std::lock_guard<std::mutex> hold(lock_);
  quit_ = true;
  quitCode_ = exitCode;
  Bump();
}

void MessageQueue::Notify() {
  std::lock_guard<std::mutex> hold(lock_);
  Bump();
}

std::shared_ptr<SentMessage> MessageQueue::TakeSent() {
  std::lock_guard<std::mutex> hold(lock_);
  if (sent_.empty()) return nullptr;
  std::shared_ptr<SentMessage> message = sent_.front();
  sent_.pop_front();
  return message;
}

bool MessageQueue::TakePosted(const std::function<bool(const MSG&)>& matches,
                              const std::function<bool(const MSG&)>& drop, bool remove, MSG* out) {
  std::lock_guard<std::mutex> hold(lock_);
  for (auto it = posted_.begin(); it != posted_.end();) {
    if (drop(*it)) {
      it = posted_.erase(it);
      continue;
    }
    if (matches(*it)) {
      *out = *it;
      if (remove) posted_.erase(it);
      return true;
    }
    ++it;
  }
  return false;
}

bool MessageQueue::TakeQuit(bool remove, int* exitCode) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!quit_) return false;
  *exitCode = quitCode_;
  if (remove) quit_ = false;
  return true;
}

void MessageQueue::ClearPosted() {
  std::lock_guard<std::mutex> hold(lock_);
  posted_.clear();
  quit_ = false;
}

uint64_t MessageQueue::Sequence() {
  std::lock_guard<std::mutex> hold(lock_);
  return sequence_;
}

void MessageQueue::WaitForChange(uint64_t seen) {
  std::unique_lock<std::mutex> hold(lock_);
  wake_.wait(hold, [&] { return sequence_ != seen; });
}

void MessageQueue::WaitForInput(uint64_t seen) {
  std::unique_lock<std::mutex> hold(lock_);
  if (sequence_ != seen) return;
  waitingForInput_ = true;
  inputWaitSequence_ = seen;
  wake_.wait(hold, [&] { return sequence_ != seen; });
  waitingForInput_ = false;
}

bool MessageQueue::IdleForInput() {
  std::lock_guard<std::mutex> hold(lock_);
  // Anything that arrived bumped the sequence; until the thread runs again
  // its flag is still set.
  return waitingForInput_ && sequence_ == inputWaitSequence_;
}

bool MessageQueue::Closed() {
  std::lock_guard<std::mutex> hold(lock_);
  return closed_;
}

void MessageQueue::Close() {
  std::deque<std::shared_ptr<SentMessage>> pending;
  {
    std::lock_guard<std::mutex> hold(lock_);
    closed_ = true;
    pending.swap(sent_);
    posted_.clear();
    Bump();
  }
  for (const auto& message : pending) {
    message->result = 0;
    message->done = true;
    if (message->sender) message->sender->Notify();
  }
}

}  // namespace platform
