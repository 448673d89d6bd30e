// CreateWindowExW, DestroyWindow and IsWindow.
#include <memory>

#include "Platform.h"
#include "common/FailureSwitch.h"
#include "user32/ClassTable.h"
#include "user32/DpiContexts.h"
#include "user32/Desktop.h"
#include "user32/MessageDelivery.h"
#include "user32/MonitorTable.h"
#include "user32/ThreadQueues.h"
#include "user32/UserHandles.h"
#include "user32/WindowPosition.h"

using platform::Desktop;
using platform::Window;

namespace {

void NotifyParent(HWND child, UINT event) {
  HWND parent = nullptr;
  UINT_PTR id = 0;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.Find(child);
    if (!window || !window->IsChild() || (window->exStyle & WS_EX_NOPARENTNOTIFY)) return;
    parent = window->parent;
    id = window->id;
  }
  platform::Deliver(parent, WM_PARENTNOTIFY, MAKEWPARAM(event, id),
                    reinterpret_cast<LPARAM>(child));
}

bool StillBeingMade(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  return window && window->life == Window::Life::Creating;
}

// Where CW_USEDEFAULT puts an overlapped window: the primary work area's
// top-left corner, three quarters of its size. Pop-ups and children get 0.
void ApplyDefaults(DWORD style, int& x, int& y, int& width, int& height) {
  bool overlapped = (style & (WS_POPUP | WS_CHILD)) == 0;
  RECT work = platform::MonitorTable::Instance().Primary().work;
  if (x == CW_USEDEFAULT) {
    x = overlapped ? work.left : 0;
    y = overlapped ? work.top : 0;
  }
  if (width == CW_USEDEFAULT) {
    width = overlapped ? (work.right - work.left) * 3 / 4 : 0;
    height = overlapped ? (work.bottom - work.top) * 3 / 4 : 0;
  }
}

void MarkDestroying(Desktop& desktop, Window& window) {
  window.life = Window::Life::Destroying;
  for (HWND child : window.children)
    if (auto c = desktop.Find(child)) MarkDestroying(desktop, *c);
}

std::vector<HWND> ChildrenOf(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  return window ? window->children : std::vector<HWND>{};
}

void SendDestroy(HWND handle) {
  platform::CallProcedure(handle, WM_DESTROY, 0, 0, false);
  for (HWND child : ChildrenOf(handle)) SendDestroy(child);
}

void SendNcDestroyAndRemove(HWND handle) {
  for (HWND child : ChildrenOf(handle)) SendNcDestroyAndRemove(child);
  platform::CallProcedure(handle, WM_NCDESTROY, 0, 0, false);
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  desktop.Remove(handle);
}

}  // namespace

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  if (platform::ShouldFail("CreateWindowExW")) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  std::shared_ptr<platform::WindowClass> windowClass =
      platform::ClassTable::Instance().Find(className, instance);
  if (!windowClass) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  bool child = (style & WS_CHILD) != 0;
  if (child && parent == nullptr) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return nullptr;
  }
  // The queue exists before the window, so messages posted from its
  // creation handlers have somewhere to go.
  platform::ThreadQueues::Instance().Current();
  ApplyDefaults(style, x, y, width, height);
  // An overlapped window always has a caption, as on Windows.
  if ((style & (WS_POPUP | WS_CHILD)) == 0) style |= WS_CAPTION | WS_CLIPSIBLINGS;
  HWND handle = platform::NewUserHandle<HWND>();
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    std::shared_ptr<Window> parentWindow;
    if (parent != nullptr) {
      parentWindow = desktop.Find(parent);
      if (!parentWindow) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
      }
    }
    auto window = std::make_shared<Window>(handle, windowClass, GetCurrentThreadId());
    window->instance = instance;
    window->style = style & ~static_cast<DWORD>(WS_VISIBLE);
    window->exStyle = exStyle;
    window->rect = RECT{x, y, x + (width < 0 ? 0 : width), y + (height < 0 ? 0 : height)};
    if (child) {
      window->parent = parent;
      window->id = reinterpret_cast<UINT_PTR>(menu);
    } else if (parentWindow) {
      // A window's owner is always a top-level window.
      window->owner = desktop.TopLevelOf(parent);
    }
    window->awareness = platform::DpiContexts::Instance().OfThread(GetCurrentThreadId());
    desktop.Add(window);
    window->dpi = platform::MonitorTable::Instance().FromRect(desktop.ScreenRect(*window), true)->dpi;
  }

  CREATESTRUCTW create{};
  create.lpCreateParams = param;
  create.hInstance = instance;
  create.hMenu = menu;
  create.hwndParent = parent;
  create.cy = height;
  create.cx = width;
  create.y = y;
  create.x = x;
  create.style = static_cast<LONG>(style);
  create.lpszName = windowName;
  create.lpszClass = className;
  create.dwExStyle = exStyle;
  auto createParam = reinterpret_cast<LPARAM>(&create);

  if (!platform::CallProcedure(handle, WM_NCCREATE, 0, createParam, false)) {
    if (StillBeingMade(handle)) SendNcDestroyAndRemove(handle);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (!StillBeingMade(handle)) return nullptr;
  if (platform::CallProcedure(handle, WM_CREATE, 0, createParam, false) == -1) {
    if (StillBeingMade(handle)) DestroyWindow(handle);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  RECT client{};
  POINT origin{};
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.Find(handle);
    if (!window || window->life != Window::Life::Creating) return nullptr;
    window->life = Window::Life::Alive;
    client = desktop.ClientRect(*window);
    origin = window->IsChild() ? POINT{window->rect.left, window->rect.top}
                               : desktop.ClientOrigin(*window);
  }
  platform::CallProcedure(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom),
                          false);
  platform::CallProcedure(handle, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y), false);
  NotifyParent(handle, WM_CREATE);
  if (style & WS_VISIBLE) ShowWindow(handle, SW_SHOW);
  return IsWindow(handle) ? handle : nullptr;
}

BOOL DestroyWindow(HWND handle) {
  std::vector<HWND> owned;
  bool visible = false;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.FindOrFail(handle);
    if (!window) return FALSE;
    if (window->threadId != GetCurrentThreadId()) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    if (window->life == Window::Life::Destroying) return TRUE;  // already on its way
    for (HWND top : desktop.TopLevel())
      if (auto w = desktop.Find(top); w && w->owner == handle && w->threadId == window->threadId)
        owned.push_back(top);
  }
  for (HWND o : owned) DestroyWindow(o);
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.Find(handle);
    if (!window || window->life == Window::Life::Destroying) return TRUE;
    MarkDestroying(desktop, *window);
    visible = window->IsVisibleItself();
  }
  if (visible)
    platform::ApplyWindowPos(handle, nullptr, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER |
                                 SWP_NOACTIVATE);
  NotifyParent(handle, WM_DESTROY);
  SendDestroy(handle);
  SendNcDestroyAndRemove(handle);
  return TRUE;
}

BOOL IsWindow(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  return desktop.Find(handle) != nullptr;
}
