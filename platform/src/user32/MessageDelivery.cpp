#include "user32/MessageDelivery.h"

#include "user32/Desktop.h"
#include "user32/ThreadQueues.h"

namespace platform {
namespace {

host::LoggedMessage Record(UINT message, WPARAM wParam, LPARAM lParam, bool posted) {
  host::LoggedMessage entry;
  entry.message = message;
  entry.wParam = wParam;
  entry.lParam = lParam;
  entry.posted = posted;
  if ((message == WM_WINDOWPOSCHANGING || message == WM_WINDOWPOSCHANGED) && lParam != 0)
    entry.windowPos = *reinterpret_cast<const WINDOWPOS*>(lParam);
  if (message == WM_DPICHANGED && lParam != 0) entry.rect = *reinterpret_cast<const RECT*>(lParam);
  return entry;
}

// Waits for a message sent to another thread, answering the messages sent to
// this one meanwhile, as Windows does, so two threads sending to each other
// do not deadlock.
LRESULT AwaitReply(const std::shared_ptr<SentMessage>& sent, MessageQueue& own) {
  for (;;) {
    uint64_t seen = own.Sequence();
    if (sent->done) return sent->result;
    if (ReceiveSentMessages(own) > 0) continue;
    own.WaitForChange(seen);
  }
}

}  // namespace

LRESULT CallProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool posted) {
  std::shared_ptr<Window> target;  // keeps the window alive while its procedure runs
  WNDPROC procedure = nullptr;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    target = desktop.Find(window);
    if (!target) return 0;
    procedure = target->procedure;
    target->log.push_back(Record(message, wParam, lParam, posted));
  }
  return procedure(window, message, wParam, lParam);
}

LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD owner = Desktop::Instance().OwnerThread(window);
  if (owner == 0) return 0;
  if (owner == GetCurrentThreadId()) return CallProcedure(window, message, wParam, lParam, false);
  std::shared_ptr<MessageQueue> receiver = ThreadQueues::Instance().Of(owner);
  std::shared_ptr<MessageQueue> own = ThreadQueues::Instance().Current();
  auto sent = std::make_shared<SentMessage>();
  sent->window = window;
  sent->message = message;
  sent->wParam = wParam;
  sent->lParam = lParam;
  sent->sender = own;
  if (!receiver || !receiver->PushSent(sent)) return 0;
  return AwaitReply(sent, *own);
}

void DeliverInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD owner = Desktop::Instance().OwnerThread(window);
  if (owner == 0) return;
  if (owner == GetCurrentThreadId())
    CallProcedure(window, message, wParam, lParam, true);
  else
    PostMessageW(window, message, wParam, lParam);
}

int ReceiveSentMessages(MessageQueue& queue) {
  int count = 0;
  while (std::shared_ptr<SentMessage> sent = queue.TakeSent()) {
    ++count;
    LRESULT result = CallProcedure(sent->window, sent->message, sent->wParam, sent->lParam, false);
    sent->result = result;
    sent->done = true;
    sent->sender->Notify();
  }
  return count;
}

}  // namespace platform
