// A thread's message queue: the messages posted to it, the messages other
// threads send to its windows (each waited for by its sender), and the quit
// flag. Every change bumps a sequence number and wakes the thread, so a
// waiting thread never misses work that arrived between its look and its
// wait.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "Platform.h"

namespace platform {

class MessageQueue;

// A message sent from another thread: done and result are written by the
// receiving thread (or by the queue's end), then the sender is woken.
struct SentMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  std::shared_ptr<MessageQueue> sender;
  std::atomic<bool> done{false};
  LRESULT result = 0;
};

class MessageQueue {
 public:
  explicit MessageQueue(DWORD threadId) : threadId_(threadId) {}

  DWORD ThreadId() const { return threadId_; }

  // False once the thread has ended.
  bool Post(const MSG& message);
  bool PushSent(const std::shared_ptr<SentMessage>& message);
  void PostQuit(int exitCode);
  // Wakes the thread (an update region to paint, a reply to a send).
  void Notify();

  std::shared_ptr<SentMessage> TakeSent();
  // The first posted message that keep() accepts and matches the filter;
  // messages that drop() names are discarded on the way.
  bool TakePosted(const std::function<bool(const MSG&)>& matches,
                  const std::function<bool(const MSG&)>& drop, bool remove, MSG* out);
  bool TakeQuit(bool remove, int* exitCode);
  void ClearPosted();

  uint64_t Sequence();
  // Returns once the sequence differs from seen.
  void WaitForChange(uint64_t seen);
  // The same, for a thread that waits for its user: a message loop with
  // nothing to do. Meanwhile the queue counts as idle for input.
  void WaitForInput(uint64_t seen);
  // The thread waits for input and nothing has arrived since it began.
  bool IdleForInput();
  bool Closed();

  // The thread ended: sends still pending are answered 0 and later posts
  // and sends are refused.
  void Close();

 private:
  void Bump();  // needs lock_

  const DWORD threadId_;
  std::mutex lock_;
  std::condition_variable wake_;
  uint64_t sequence_ = 0;
  std::deque<MSG> posted_;
  std::deque<std::shared_ptr<SentMessage>> sent_;
  bool waitingForInput_ = false;
  uint64_t inputWaitSequence_ = 0;
  bool quit_ = false;
  int quitCode_ = 0;
  bool closed_ = false;
};

}  // namespace platform
