#include "service/candidate/CBaseWindow.h"

#include "service/module/DllMain.h"

CBaseWindow::CBaseWindow() = default;

CBaseWindow::~CBaseWindow() {
  if (hwnd != nullptr) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
}

BOOL CBaseWindow::Create(ATOM atom, DWORD exStyle, DWORD style, CBaseWindow* parentWindow,
                         int width, int height, HWND parentHwnd) {
  parent = parentWindow;
  if (atom == 0) return TRUE;
  HWND owner = parentWindow != nullptr && parentWindow->hwnd != nullptr ? parentWindow->hwnd
                                                                        : parentHwnd;
  // WindowProc keeps the handle at WM_CREATE already, so the handlers of the
  // creation messages work on the window being made.
  HWND made = CreateWindowExW(exStyle, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(atom)),
                              nullptr, style, 0, 0, width, height, owner, nullptr, DllInstance,
                              this);
  hwnd = made;
  return made != nullptr ? TRUE : FALSE;
}

void CBaseWindow::Destroy() {
  if (hwnd == nullptr) return;
  HWND going = hwnd;
  hwnd = nullptr;
  DestroyWindow(going);
}

void CBaseWindow::Move(int x, int y) {
  if (hwnd != nullptr) {
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  OffsetRect(&rect, x - rect.left, y - rect.top);
}

void CBaseWindow::Resize(int x, int y, int width, int height) {
  if (hwnd != nullptr) {
    MoveWindow(hwnd, x, y, width, height, TRUE);
    return;
  }
  SetRect(&rect, x, y, x + width, y + height);
}

void CBaseWindow::Show(BOOL show) {
  if (hwnd != nullptr) {
    ShowWindow(hwnd, show ? SW_SHOWNA : SW_HIDE);
    return;
  }
  visible = show;
}

BOOL CBaseWindow::IsVisible() { return hwnd != nullptr ? IsWindowVisible(hwnd) : visible; }

void CBaseWindow::Enable(BOOL enable) {
  if (hwnd != nullptr) {
    EnableWindow(hwnd, enable);
    return;
  }
  enabled = enable;
}

BOOL CBaseWindow::IsEnabled() { return hwnd != nullptr ? IsWindowEnabled(hwnd) : enabled; }

void CBaseWindow::Invalidate() {
  if (hwnd != nullptr) {
    InvalidateRect(hwnd, nullptr, TRUE);
    return;
  }
  for (CBaseWindow* ancestor = parent; ancestor != nullptr; ancestor = ancestor->parent) {
    if (ancestor->hwnd != nullptr) {
      InvalidateRect(ancestor->hwnd, &rect, TRUE);
      return;
    }
  }
}

BOOL CBaseWindow::GetWindowRect(RECT* out) {
  if (out == nullptr) return FALSE;
  if (hwnd != nullptr) return ::GetWindowRect(hwnd, out);
  *out = rect;
  return TRUE;
}

BOOL CBaseWindow::GetClientRect(RECT* out) {
  if (out == nullptr) return FALSE;
  if (hwnd != nullptr) return ::GetClientRect(hwnd, out);
  *out = rect;
  return TRUE;
}

LRESULT CALLBACK CBaseWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* created = create != nullptr ? static_cast<CBaseWindow*>(create->lpCreateParams) : nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    if (created != nullptr) created->hwnd = hwnd;
  }
  auto* window = reinterpret_cast<CBaseWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_TIMER) return 0;
  if (message == WM_NCDESTROY) {
    // The window goes without Destroy (its owner, the application's window,
    // was destroyed): the object falls back to its fields rather than keep a
    // handle that Windows may give to another window.
    window->hwnd = nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  // The host application's message loop is no place for an exception.
  try {
    return window->HandleMessage(hwnd, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}
