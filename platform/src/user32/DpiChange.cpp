#include "user32/DpiChange.h"

#include "user32/Desktop.h"
#include "user32/DpiContexts.h"
#include "user32/MessageDelivery.h"
#include "user32/MonitorTable.h"

namespace platform {

void NotifyDpiChange(HWND handle) {
  RECT suggested{};
  UINT dpi = 0;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.Find(handle);
    // A window handling its own change may move itself without being told
    // again.
    if (!window || window->IsChild() || !DpiContexts::IsPerMonitor(window->awareness) ||
        window->inDpiChange || window->life == Window::Life::Destroying)
      return;
    RECT screen = desktop.ScreenRect(*window);
    dpi = MonitorTable::Instance().FromRect(screen, true)->dpi;
    if (dpi == window->dpi) return;
    UINT old = window->dpi;
    window->dpi = dpi;
    window->inDpiChange = true;
    suggested = RECT{screen.left, screen.top,
                     screen.left + MulDiv(screen.right - screen.left, static_cast<int>(dpi),
                                          static_cast<int>(old)),
                     screen.top + MulDiv(screen.bottom - screen.top, static_cast<int>(dpi),
                                         static_cast<int>(old))};
  }
  Deliver(handle, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  if (auto window = desktop.Find(handle)) window->inDpiChange = false;
}

void NotifyDpiChangeEverywhere() {
  std::vector<HWND> topLevel;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    topLevel = desktop.TopLevel();
  }
  for (HWND window : topLevel) NotifyDpiChange(window);
}

}  // namespace platform
