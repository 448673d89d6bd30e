#include "service/candidate/CBaseWindow.h"

LRESULT CALLBACK CBaseWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* window = reinterpret_cast<CBaseWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_TIMER) return 0;
  // The host application's message loop is no place for an exception.
  try {
    return window->HandleMessage(hwnd, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}
