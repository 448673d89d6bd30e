// Position, size, visibility, z-order and activation: SetWindowPos and the
// calls built on it, the window's rectangles and coordinates, enabling,
// invalidation and the foreground window.
#include "user32/WindowPosition.h"

#include <algorithm>

#include "user32/Desktop.h"
#include "user32/DpiChange.h"
#include "user32/MessageDelivery.h"
#include "user32/SystemMetrics.h"
#include "user32/ThreadQueues.h"

using platform::Desktop;
using platform::Window;

namespace {

bool Activates(const Window& window, UINT flags) {
  return !(flags & SWP_NOACTIVATE) && !window.IsChild() && window.IsVisibleItself();
}

// The update region grew: the owner thread's pump may now have a WM_PAINT.
void WakeOwner(DWORD threadId) {
  if (auto queue = platform::ThreadQueues::Instance().Of(threadId)) queue->Notify();
}

}  // namespace

namespace platform {

BOOL ApplyWindowPos(HWND handle, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  WINDOWPOS pos{handle, insertAfter, x, y, cx, cy, flags};
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.FindOrFail(handle);
    if (!window) return FALSE;
    if (flags & SWP_NOMOVE) {
      pos.x = window->rect.left;
      pos.y = window->rect.top;
    }
    if (flags & SWP_NOSIZE) {
      pos.cx = window->Width();
      pos.cy = window->Height();
    }
  }
  pos.cx = std::max(pos.cx, 0);
  pos.cy = std::max(pos.cy, 0);
  if (!(flags & SWP_NOSENDCHANGING))
    Deliver(handle, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));

  WINDOWPOS applied = pos;
  DWORD owner = 0;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.FindOrFail(handle);
    if (!window) return FALSE;
    owner = window->threadId;
    UINT f = pos.flags;
    RECT next{pos.x, pos.y, pos.x + std::max(pos.cx, 0), pos.y + std::max(pos.cy, 0)};
    if (f & SWP_NOMOVE) {
      next.right = window->rect.left + (next.right - next.left);
      next.bottom = window->rect.top + (next.bottom - next.top);
      next.left = window->rect.left;
      next.top = window->rect.top;
    }
    if (f & SWP_NOSIZE) {
      next.right = next.left + window->Width();
      next.bottom = next.top + window->Height();
    }
    if (next.left == window->rect.left && next.top == window->rect.top) f |= SWP_NOMOVE;
    if (next.right - next.left == window->Width() && next.bottom - next.top == window->Height())
      f |= SWP_NOSIZE;
    bool visible = window->IsVisibleItself();
    if ((f & SWP_SHOWWINDOW) && visible) f &= ~static_cast<UINT>(SWP_SHOWWINDOW);
    if ((f & SWP_HIDEWINDOW) && !visible) f &= ~static_cast<UINT>(SWP_HIDEWINDOW);
    if (f & SWP_SHOWWINDOW) {
      f &= ~static_cast<UINT>(SWP_HIDEWINDOW);
      window->style |= WS_VISIBLE;
      window->dirty = true;
      window->paintDelivered = false;
    }
    if (f & SWP_HIDEWINDOW) {
      window->style &= ~static_cast<DWORD>(WS_VISIBLE);
      if (desktop.foreground == handle) desktop.foreground = nullptr;
    }
    bool resized = !(f & SWP_NOSIZE);
    window->rect = next;
    if (resized && !(f & SWP_NOREDRAW) &&
        (window->windowClass->style & (CS_HREDRAW | CS_VREDRAW))) {
      window->dirty = true;
      window->paintDelivered = false;
      window->updateRect = desktop.ClientRect(*window);
    }
    if (!(f & SWP_NOZORDER)) desktop.Reorder(*window, pos.hwndInsertAfter);
    if (Activates(*window, f)) desktop.foreground = handle;
    applied = WINDOWPOS{handle, pos.hwndInsertAfter, next.left, next.top,
                        next.right - next.left, next.bottom - next.top, f};
  }
  WakeOwner(owner);
  Deliver(handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&applied));
  if ((applied.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
    NotifyDpiChange(handle);
  return TRUE;
}

}  // namespace platform

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return platform::ApplyWindowPos(window, insertAfter, x, y, cx, cy, flags);
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  return platform::ApplyWindowPos(window, nullptr, x, y, width, height,
                                  SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND handle, int command) {
  bool wasVisible = false;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.FindOrFail(handle);
    if (!window) return FALSE;
    wasVisible = window->IsVisibleItself();
    bool activates = command != SW_HIDE && command != SW_SHOWNA &&
                     command != SW_SHOWNOACTIVATE && command != SW_SHOWMINNOACTIVE &&
                     command != SW_MINIMIZE && command != SW_FORCEMINIMIZE;
    if (wasVisible && command != SW_HIDE) {
      if (activates && !window->IsChild()) desktop.foreground = handle;
      return TRUE;
    }
    if (!wasVisible && command == SW_HIDE) return FALSE;
    if (command != SW_HIDE) {
      bool child = window->IsChild();
      hold.unlock();
      platform::Deliver(handle, WM_SHOWWINDOW, TRUE, 0);
      UINT flags = SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
      // Only a top-level window comes to the front to be activated; a child
      // keeps its place among its siblings (a dialog's controls their tab
      // order).
      if (!activates || child) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
      platform::ApplyWindowPos(handle, HWND_TOP, 0, 0, 0, 0, flags);
      return FALSE;
    }
  }
  platform::Deliver(handle, WM_SHOWWINDOW, FALSE, 0);
  platform::ApplyWindowPos(handle, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER |
                               SWP_NOACTIVATE);
  return TRUE;
}

BOOL IsWindowVisible(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  return window && desktop.IsShowing(*window);
}

BOOL GetWindowRect(HWND handle, LPRECT rect) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(handle);
  if (!window || rect == nullptr) return FALSE;
  *rect = desktop.ScreenRect(*window);
  return TRUE;
}

BOOL GetClientRect(HWND handle, LPRECT rect) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(handle);
  if (!window || rect == nullptr) return FALSE;
  *rect = desktop.ClientRect(*window);
  return TRUE;
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (rect == nullptr) return FALSE;
  platform::SystemMetrics& metrics = platform::SystemMetrics::Instance();
  RECT insets = metrics.NonClientInsets(style, exStyle, false);
  rect->left -= insets.left;
  rect->top -= insets.top + (menu ? metrics.Get(SM_CYMENU) : 0);
  rect->right += insets.right;
  rect->bottom += insets.bottom;
  return TRUE;
}

BOOL EnableWindow(HWND handle, BOOL enable) {
  bool wasDisabled = false;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.FindOrFail(handle);
    if (!window) return FALSE;
    wasDisabled = !window->IsEnabledItself();
    if (wasDisabled == !enable) return wasDisabled;
    if (enable)
      window->style &= ~static_cast<DWORD>(WS_DISABLED);
    else
      window->style |= WS_DISABLED;
  }
  platform::Deliver(handle, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  return window && desktop.IsEnabled(*window);
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  POINT fromOrigin{0, 0};
  POINT toOrigin{0, 0};
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    for (auto [handle, origin] : {std::pair{from, &fromOrigin}, std::pair{to, &toOrigin}}) {
      if (handle == nullptr) continue;
      auto window = desktop.FindOrFail(handle);
      if (!window) return 0;
      *origin = desktop.ClientOrigin(*window);
    }
  }
  LONG dx = fromOrigin.x - toOrigin.x;
  LONG dy = fromOrigin.y - toOrigin.y;
  for (UINT i = 0; points != nullptr && i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return MAKELONG(dx, dy);
}

BOOL ScreenToClient(HWND window, LPPOINT point) {
  if (point == nullptr || !IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  MapWindowPoints(nullptr, window, point, 1);
  return TRUE;
}

BOOL ClientToScreen(HWND window, LPPOINT point) {
  if (point == nullptr || !IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  MapWindowPoints(window, nullptr, point, 1);
  return TRUE;
}

BOOL InvalidateRect(HWND handle, const RECT* rect, BOOL erase) {
  if (handle == nullptr) return TRUE;  // the whole desktop: nothing here paints it
  DWORD owner = 0;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.FindOrFail(handle);
    if (!window) return FALSE;
    RECT area = rect != nullptr ? *rect : desktop.ClientRect(*window);
    window->invalidations.push_back(host::Invalidation{area, erase});
    if (area.right > area.left && area.bottom > area.top) {
      if (!window->dirty) {
        window->updateRect = area;
      } else {
        window->updateRect.left = std::min(window->updateRect.left, area.left);
        window->updateRect.top = std::min(window->updateRect.top, area.top);
        window->updateRect.right = std::max(window->updateRect.right, area.right);
        window->updateRect.bottom = std::max(window->updateRect.bottom, area.bottom);
      }
      window->dirty = true;
      window->paintDelivered = false;
    }
    owner = window->threadId;
  }
  WakeOwner(owner);
  return TRUE;
}

BOOL ValidateRect(HWND handle, const RECT* rect) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(handle);
  if (!window) return FALSE;
  // The region is kept as one rectangle: validating part of it keeps all.
  const RECT& u = window->updateRect;
  if (rect == nullptr || (rect->left <= u.left && rect->top <= u.top && rect->right >= u.right &&
                          rect->bottom >= u.bottom))
    window->dirty = false;
  return TRUE;
}

BOOL GetUpdateRect(HWND handle, LPRECT rect, BOOL erase) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(handle);
  if (!window) return FALSE;
  if (rect != nullptr) *rect = window->dirty ? window->updateRect : RECT{0, 0, 0, 0};
  return window->dirty ? TRUE : FALSE;
}

BOOL SetForegroundWindow(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  if (!desktop.Find(handle)) return FALSE;
  desktop.foreground = desktop.TopLevelOf(handle);
  return TRUE;
}

HWND GetForegroundWindow() {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  return desktop.foreground;
}
