// The windows the host reads on Windows (host/user32/Desktop.h): the
// process's top-level windows, from the top of the z-order down, as the
// system describes them.
#include "host/user32/Desktop.h"

namespace host {
namespace {

struct ClassSearch {
  std::u16string_view className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectOfClass(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ClassSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  WCHAR name[256];
  int length = GetClassNameW(window, name, 256);
  if (length > 0 && static_cast<size_t>(length) == search->className.size() &&
      CompareStringOrdinal(name, length, AsWchar(search->className.data()), length, TRUE) ==
          CSTR_EQUAL)
    search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> WindowsOfClass(std::u16string_view className) {
  ClassSearch search{className, {}};
  EnumWindows(&CollectOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::optional<WindowInfo> DescribeWindow(HWND window) {
  if (!IsWindow(window)) return std::nullopt;
  WindowInfo info;
  info.window = window;
  WCHAR text[256];
  int length = GetClassNameW(window, text, 256);
  info.className.assign(AsChar16(text), static_cast<size_t>(length > 0 ? length : 0));
  length = GetWindowTextW(window, text, 256);
  info.title.assign(AsChar16(text), static_cast<size_t>(length > 0 ? length : 0));
  GetWindowRect(window, &info.rect);
  RECT client{};
  GetClientRect(window, &client);
  POINT corner{0, 0};
  ClientToScreen(window, &corner);
  info.clientRect = RECT{corner.x, corner.y, corner.x + client.right, corner.y + client.bottom};
  info.style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  info.exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  info.visible = (info.style & WS_VISIBLE) != 0;
  info.enabled = IsWindowEnabled(window) != FALSE;
  info.threadId = GetWindowThreadProcessId(window, nullptr);
  info.parent = (info.style & WS_CHILD) != 0 ? GetParent(window) : nullptr;
  info.owner = GetWindow(window, GW_OWNER);
  info.instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  info.dpi = GetDpiForWindow(window);
  return info;
}

}  // namespace host
