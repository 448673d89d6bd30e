// The default answers of a window procedure, as DefWindowProcW documents
// them for the messages the stand-in's windows see.
#include <algorithm>

#include "Platform.h"
#include "common/HostText.h"
#include "user32/CursorState.h"
#include "user32/Desktop.h"
#include "user32/MessageDelivery.h"
#include "user32/SystemClasses.h"

using platform::Desktop;

namespace {

// A child passes some mouse messages up first; null for a top-level window.
HWND ParentOf(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  return window && window->IsChild() ? window->parent : nullptr;
}

void SetTitle(HWND handle, LPCWSTR text) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  if (auto window = desktop.Find(handle)) {
    if (text == nullptr || IS_INTRESOURCE(text))
      window->title.clear();
    else
      window->title.assign(text, platform::WideLength(text));
  }
}

std::u16string Title(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  return window ? window->title : std::u16string();
}

// WM_SIZE and WM_MOVE after a change of position or size.
void SendSizeAndMove(HWND handle, const WINDOWPOS& pos) {
  RECT client{};
  POINT origin{};
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.Find(handle);
    if (!window) return;
    client = desktop.ClientRect(*window);
    origin = window->IsChild() ? POINT{window->rect.left, window->rect.top}
                               : desktop.ClientOrigin(*window);
  }
  if (!(pos.flags & SWP_NOSIZE))
    platform::Deliver(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  if (!(pos.flags & SWP_NOMOVE))
    platform::Deliver(handle, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
}

LRESULT HitTest(HWND handle, LPARAM lParam) {
  POINT point{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  if (!window) return HTNOWHERE;
  RECT screen = desktop.ScreenRect(*window);
  POINT origin = desktop.ClientOrigin(*window);
  RECT client = desktop.ClientRect(*window);
  auto inside = [&](const RECT& r, LONG dx, LONG dy) {
    return point.x >= r.left + dx && point.x < r.right + dx && point.y >= r.top + dy &&
           point.y < r.bottom + dy;
  };
  if (inside(client, origin.x, origin.y)) return HTCLIENT;
  if (!inside(screen, 0, 0)) return HTNOWHERE;
  return (window->style & WS_CAPTION) == WS_CAPTION && point.y < origin.y ? HTCAPTION : HTBORDER;
}

HCURSOR ClassCursor(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  return window ? window->windowClass->cursor : nullptr;
}

HBRUSH ClassBrush(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  return window ? window->windowClass->background : nullptr;
}

}  // namespace

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The user dragged the sizing border (host/user32/Dialogs.h): the system's
  // sizing loop sets the new size.
  if (message >= 0xC000 && message == platform::UserResizeMessage()) {
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_THICKFRAME)
      SetWindowPos(window, nullptr, 0, 0, static_cast<int>(wParam), static_cast<int>(lParam),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
  }
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      if (create != nullptr) SetTitle(window, create->lpszName);
      return TRUE;
    }
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) platform::Deliver(window, WM_CLOSE, 0, 0);
      return 0;
    case WM_SETTEXT:
      SetTitle(window, reinterpret_cast<LPCWSTR>(lParam));
      return TRUE;
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<LPWSTR>(lParam);
      if (buffer == nullptr || wParam == 0) return 0;
      std::u16string title = Title(window);
      size_t length = std::min(title.size(), static_cast<size_t>(wParam - 1));
      std::copy_n(title.data(), length, buffer);
      buffer[length] = 0;
      return static_cast<LRESULT>(length);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(Title(window).size());
    case WM_WINDOWPOSCHANGED:
      if (lParam != 0) SendSizeAndMove(window, *reinterpret_cast<const WINDOWPOS*>(lParam));
      return 0;
    case WM_NCHITTEST:
      return HitTest(window, lParam);
    case WM_MOUSEACTIVATE:
      if (HWND parent = ParentOf(window)) {
        if (LRESULT answer = platform::Deliver(parent, WM_MOUSEACTIVATE, wParam, lParam))
          return answer;
      }
      return MA_ACTIVATE;
    case WM_POINTERACTIVATE:
      return PA_ACTIVATE;
    case WM_SETCURSOR:
      if (HWND parent = ParentOf(window)) {
        if (platform::Deliver(parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
      }
      if (static_cast<SHORT>(LOWORD(lParam)) == HTCLIENT) {
        if (HCURSOR cursor = ClassCursor(window)) {
          platform::CursorState::Instance().Set(cursor);
          return TRUE;
        }
      }
      return FALSE;
    case WM_MOUSEWHEEL:
      if (HWND parent = ParentOf(window)) return platform::Deliver(parent, message, wParam, lParam);
      return 0;
    case WM_PAINT:
      ValidateRect(window, nullptr);
      return 0;
    case WM_ERASEBKGND:
      return ClassBrush(window) != nullptr ? 1 : 0;
    default:
      return 0;
  }
}
