// The host's view of the desktop (host/user32/Desktop.h, MessageLog.h,
// MessagePump.h, SystemMetrics.h).
#include "common/HostText.h"
#include "host/user32/Desktop.h"
#include "host/user32/MessageLog.h"
#include "host/user32/MessagePump.h"
#include "host/user32/SystemColors.h"
#include "host/user32/SystemMetrics.h"
#include "msctf/EditSessionQueue.h"
#include "user32/CursorState.h"
#include "user32/Desktop.h"
#include "user32/DpiContexts.h"
#include "user32/KeyPipeline.h"
#include "user32/MessageDelivery.h"
#include "user32/MessageRetrieval.h"
#include "user32/MonitorTable.h"
#include "user32/SystemMetrics.h"
#include "user32/ThreadQueues.h"
#include "user32/WinEventLog.h"

using platform::Desktop;
using platform::Window;

namespace {

host::WindowInfo Describe(Desktop& desktop, const Window& window) {
  host::WindowInfo info;
  info.window = window.handle;
  info.className = window.windowClass->name;
  info.title = window.title;
  info.rect = desktop.ScreenRect(window);
  POINT origin = desktop.ClientOrigin(window);
  RECT client = desktop.ClientRect(window);
  info.clientRect = RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
  info.visible = window.IsVisibleItself();
  info.enabled = window.IsEnabledItself();
  info.style = window.style;
  info.exStyle = window.exStyle;
  info.threadId = window.threadId;
  info.parent = window.parent;
  info.owner = window.owner;
  info.id = window.id;
  info.instance = window.instance;
  info.dpi = window.dpi;
  return info;
}

void Collect(Desktop& desktop, HWND handle, std::vector<host::WindowInfo>& out) {
  auto window = desktop.Find(handle);
  if (!window) return;
  out.push_back(Describe(desktop, *window));
  for (HWND child : window->children) Collect(desktop, child, out);
}

}  // namespace

namespace host {

std::vector<WindowInfo> Windows() {
  std::vector<WindowInfo> all;
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  for (HWND top : desktop.TopLevel()) Collect(desktop, top, all);
  return all;
}

std::optional<WindowInfo> DescribeWindow(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  if (!window) return std::nullopt;
  return Describe(desktop, *window);
}

std::vector<HWND> WindowsOfClass(std::u16string_view className) {
  std::vector<HWND> found;
  std::u16string wanted = platform::FoldCase(className);
  for (const WindowInfo& info : Windows())
    if (platform::FoldCase(info.className) == wanted) found.push_back(info.window);
  return found;
}

void ResetDesktop() {
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    for (const auto& window : desktop.All()) desktop.Remove(window->handle);
    desktop.foreground = nullptr;
  }
  platform::ThreadQueues::Instance().Current()->ClearPosted();
  platform::SystemMetrics::Instance().Reset();
  host::ResetSystemColors();
  platform::MonitorTable::Instance().Replace(platform::MonitorTable::Default());
  platform::CursorState::Instance().Reset();
  platform::DpiContexts::Instance().Reset();
  platform::WinEventLog::Instance().Clear();
}

std::vector<LoggedMessage> MessageLog(HWND window) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto* log = desktop.LogOf(window);
  return log ? *log : std::vector<LoggedMessage>{};
}

std::vector<UINT> MessagesOf(HWND window) {
  std::vector<UINT> numbers;
  for (const LoggedMessage& m : MessageLog(window)) numbers.push_back(m.message);
  return numbers;
}

std::vector<Invalidation> InvalidationLog(HWND window) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto* log = desktop.InvalidationsOf(window);
  return log ? *log : std::vector<Invalidation>{};
}

void ClearMessageLog(HWND window) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  if (auto* log = desktop.LogOf(window)) log->clear();
  if (auto* log = desktop.InvalidationsOf(window)) log->clear();
}

int PumpMessages() {
  std::shared_ptr<platform::MessageQueue> queue = platform::ThreadQueues::Instance().Current();
  platform::KeyPipeline& keys = platform::KeyPipeline::ForThread();
  int delivered = 0;
  for (;;) {
    int round = 0;
    MSG message{};
    for (;;) {
      round += platform::ReceiveSentMessages(*queue);
      if (!platform::NextMessage(*queue, nullptr, 0, 0, true, &message, true)) break;
      ++round;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    round += platform::EditSessionQueue::ForThread().RunAll();
    if (keys.HasPending()) {
      ++round;
      keys.ReplayPending();
    }
    if (round == 0) return delivered;
    delivered += round;
  }
}

void SetSystemMetric(int index, int value) { platform::SystemMetrics::Instance().Override(index, value); }

void ResetSystemMetrics() { platform::SystemMetrics::Instance().Reset(); }

}  // namespace host
