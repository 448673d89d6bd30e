#include "user32/ApplicationWindow.h"

namespace platform {
namespace {

const wchar_t kClass[] = L"LutemStandInApplication";

thread_local HWND window = nullptr;

}  // namespace

HWND ApplicationWindow::Ensure() {
  if (window != nullptr && IsWindow(window)) return window;
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    return RegisterClassW(&wc) != 0;
  }();
  if (!registered) return nullptr;
  window = CreateWindowExW(0, kClass, L"Lutem host application", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           0, 0, 640, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return nullptr;
  SetForegroundWindow(window);
  SetFocus(window);
  // The pointer may rest where the last program's windows were.
  ParkPointer();
  return window;
}

void ApplicationWindow::ParkPointer() {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

}  // namespace platform
