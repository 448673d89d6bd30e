// Monitors and DPI awareness (platform/user32/WinMonitor.h) and their host
// controls (host/user32/Monitors.h).
#include <string>

#include "common/FailureSwitch.h"
#include "host/user32/Monitors.h"
#include "user32/Desktop.h"
#include "user32/DpiChange.h"
#include "user32/DpiContexts.h"
#include "user32/MonitorTable.h"

using platform::DpiContexts;
using platform::MonitorTable;

namespace {

HMONITOR Pick(std::optional<platform::Monitor> found, DWORD flags) {
  if (found) return found->handle;
  if (flags == MONITOR_DEFAULTTOPRIMARY) return MonitorTable::Instance().Primary().handle;
  return nullptr;
}

bool Nearest(DWORD flags) { return flags == MONITOR_DEFAULTTONEAREST; }

}  // namespace

HMONITOR MonitorFromPoint(POINT point, DWORD flags) {
  if (platform::ShouldFail("MonitorFromPoint")) return nullptr;
  return Pick(MonitorTable::Instance().FromPoint(point, Nearest(flags)), flags);
}

HMONITOR MonitorFromRect(LPCRECT rect, DWORD flags) {
  if (rect == nullptr) return nullptr;
  return Pick(MonitorTable::Instance().FromRect(*rect, Nearest(flags)), flags);
}

HMONITOR MonitorFromWindow(HWND handle, DWORD flags) {
  RECT screen{};
  {
    platform::Desktop& desktop = platform::Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.FindOrFail(handle);
    if (!window) return nullptr;
    screen = desktop.ScreenRect(*window);
  }
  return MonitorFromRect(&screen, flags);
}

BOOL GetMonitorInfoW(HMONITOR monitor, LPMONITORINFO info) {
  if (info == nullptr ||
      (info->cbSize != sizeof(MONITORINFO) && info->cbSize != sizeof(MONITORINFOEXW))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (platform::ShouldFail("GetMonitorInfoW")) return FALSE;
  std::vector<platform::Monitor> all = MonitorTable::Instance().All();
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i].handle != monitor) continue;
    info->rcMonitor = all[i].rect;
    info->rcWork = all[i].work;
    info->dwFlags = i == 0 ? MONITORINFOF_PRIMARY : 0;
    if (info->cbSize == sizeof(MONITORINFOEXW)) {
      std::u16string name = u"\\\\.\\DISPLAY";
      for (char digit : std::to_string(i + 1)) name += static_cast<char16_t>(digit);
      auto* extended = static_cast<MONITORINFOEXW*>(info);
      std::copy(name.begin(), name.end(), extended->szDevice);
      extended->szDevice[name.size()] = 0;
    }
    return TRUE;
  }
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

DPI_AWARENESS_CONTEXT SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT context) {
  std::optional<platform::DpiAwareness> kind = DpiContexts::KindOf(context);
  if (!kind) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return DpiContexts::ValueOf(DpiContexts::Instance().SetForThread(GetCurrentThreadId(), *kind));
}

DPI_AWARENESS_CONTEXT GetThreadDpiAwarenessContext() {
  return DpiContexts::ValueOf(DpiContexts::Instance().OfThread(GetCurrentThreadId()));
}

DPI_AWARENESS_CONTEXT GetWindowDpiAwarenessContext(HWND handle) {
  platform::Desktop& desktop = platform::Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  return window ? DpiContexts::ValueOf(window->awareness) : nullptr;
}

BOOL AreDpiAwarenessContextsEqual(DPI_AWARENESS_CONTEXT a, DPI_AWARENESS_CONTEXT b) {
  auto kindA = DpiContexts::KindOf(a);
  auto kindB = DpiContexts::KindOf(b);
  return kindA && kindB && *kindA == *kindB;
}

DPI_AWARENESS GetAwarenessFromDpiAwarenessContext(DPI_AWARENESS_CONTEXT context) {
  auto kind = DpiContexts::KindOf(context);
  if (!kind) return DPI_AWARENESS_INVALID;
  switch (*kind) {
    case platform::DpiAwareness::SystemAware: return DPI_AWARENESS_SYSTEM_AWARE;
    case platform::DpiAwareness::PerMonitor:
    case platform::DpiAwareness::PerMonitorV2: return DPI_AWARENESS_PER_MONITOR_AWARE;
    default: return DPI_AWARENESS_UNAWARE;
  }
}

UINT GetDpiForWindow(HWND handle) {
  platform::Desktop& desktop = platform::Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(handle);
  if (!window) return 0;
  switch (window->awareness) {
    case platform::DpiAwareness::SystemAware: return MonitorTable::Instance().Primary().dpi;
    case platform::DpiAwareness::PerMonitor:
    case platform::DpiAwareness::PerMonitorV2: {
      // A child follows its top-level window's monitor.
      auto top = desktop.Find(desktop.TopLevelOf(handle));
      return top ? top->dpi : window->dpi;
    }
    default: return USER_DEFAULT_SCREEN_DPI;
  }
}

UINT GetDpiForSystem() {
  platform::DpiAwareness kind = DpiContexts::Instance().OfThread(GetCurrentThreadId());
  if (kind == platform::DpiAwareness::Unaware || kind == platform::DpiAwareness::UnawareGdiScaled)
    return USER_DEFAULT_SCREEN_DPI;
  return MonitorTable::Instance().Primary().dpi;
}

namespace host {

void SetMonitors(const std::vector<MonitorSpec>& monitors) {
  std::vector<platform::Monitor> table;
  for (const MonitorSpec& spec : monitors) {
    platform::Monitor m;
    m.rect = spec.rect;
    m.work = spec.work;
    m.dpi = spec.dpi;
    table.push_back(m);
  }
  MonitorTable::Instance().Replace(std::move(table));
  platform::NotifyDpiChangeEverywhere();
}

void SetMonitorDpi(size_t index, UINT dpi) {
  std::vector<platform::Monitor> all = MonitorTable::Instance().All();
  if (index >= all.size()) return;
  MonitorTable::Instance().SetDpi(all[index].handle, dpi);
  platform::NotifyDpiChangeEverywhere();
}

DpiAwareness ThreadDpiAwareness(DWORD threadId) {
  return DpiContexts::Instance().OfThread(threadId);
}

void SetProcessDpiAwareness(DpiAwareness awareness) {
  DpiContexts::Instance().SetProcessDefault(awareness);
}

DpiAwareness WindowDpiAwareness(HWND handle) {
  platform::Desktop& desktop = platform::Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  return window ? window->awareness : DpiAwareness::Unaware;
}

}  // namespace host
