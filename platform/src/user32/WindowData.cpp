// A window's own data: the GWL/GWLP values and extra bytes, its text and
// class name, its parent, owner and control id; and the searches over them.
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "common/HostText.h"
#include "kernel32/ProgramProcess.h"
#include "user32/AtomTable.h"
#include "user32/Desktop.h"
#include "user32/MessageDelivery.h"

using platform::Desktop;
using platform::Window;

namespace {

bool ExtraIndexFits(const Window& window, int index) {
  return index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= window.extraBytes.size();
}

bool ClassMatches(const Window& window, LPCWSTR className) {
  if (className == nullptr) return true;
  if (IS_INTRESOURCE(className))
    return window.windowClass->atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(className));
  return platform::FoldCase(window.windowClass->name) ==
         platform::FoldCase(std::u16string_view(className, platform::WideLength(className)));
}

bool TitleMatches(const Window& window, LPCWSTR title) {
  if (title == nullptr) return true;
  return platform::FoldCase(window.title) ==
         platform::FoldCase(std::u16string_view(title, platform::WideLength(title)));
}

}  // namespace

LONG_PTR GetWindowLongPtrW(HWND handle, int index) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(handle);
  if (!window) return 0;
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->procedure);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(window->IsChild() ? window->parent : window->owner);
    case GWLP_ID: return static_cast<LONG_PTR>(window->id);
    case GWL_STYLE: return static_cast<LONG>(window->style);
    case GWL_EXSTYLE: return static_cast<LONG>(window->exStyle);
    case GWLP_USERDATA: return window->userData;
    default: break;
  }
  if (!ExtraIndexFits(*window, index)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  LONG_PTR value = 0;
  std::memcpy(&value, window->extraBytes.data() + index, sizeof(value));
  return value;
}

LONG_PTR SetWindowLongPtrW(HWND handle, int index, LONG_PTR value) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(handle);
  if (!window) return 0;
  LONG_PTR previous = 0;
  switch (index) {
    case GWLP_WNDPROC:
      if (value == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
      }
      previous = reinterpret_cast<LONG_PTR>(window->procedure);
      window->procedure = reinterpret_cast<WNDPROC>(value);
      return previous;
    case GWLP_HINSTANCE:
      previous = reinterpret_cast<LONG_PTR>(window->instance);
      window->instance = reinterpret_cast<HINSTANCE>(value);
      return previous;
    case GWLP_HWNDPARENT:
      // Sets the owner of a top-level window.
      if (window->IsChild()) return reinterpret_cast<LONG_PTR>(window->parent);
      previous = reinterpret_cast<LONG_PTR>(window->owner);
      window->owner = desktop.TopLevelOf(reinterpret_cast<HWND>(value));
      return previous;
    case GWLP_ID:
      previous = static_cast<LONG_PTR>(window->id);
      window->id = static_cast<UINT_PTR>(value);
      return previous;
    case GWL_STYLE:
      previous = static_cast<LONG>(window->style);
      window->style = static_cast<DWORD>(value);
      return previous;
    case GWL_EXSTYLE:
      previous = static_cast<LONG>(window->exStyle);
      window->exStyle = static_cast<DWORD>(value);
      return previous;
    case GWLP_USERDATA:
      previous = window->userData;
      window->userData = value;
      return previous;
    default:
      break;
  }
  if (!ExtraIndexFits(*window, index)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  std::memcpy(&previous, window->extraBytes.data() + index, sizeof(previous));
  std::memcpy(window->extraBytes.data() + index, &value, sizeof(value));
  return previous;
}

BOOL SetWindowTextW(HWND window, LPCWSTR text) {
  if (!IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return platform::Deliver(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextW(HWND window, LPWSTR buffer, int bufferSize) {
  if (buffer == nullptr || bufferSize <= 0) return 0;
  buffer[0] = 0;
  if (!IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return static_cast<int>(platform::Deliver(window, WM_GETTEXT, static_cast<WPARAM>(bufferSize),
                                            reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND window) {
  if (!IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return static_cast<int>(platform::Deliver(window, WM_GETTEXTLENGTH, 0, 0));
}

int GetClassNameW(HWND handle, LPWSTR buffer, int bufferSize) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(handle);
  if (!window) return 0;
  if (buffer == nullptr || bufferSize <= 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  const std::u16string& name = window->windowClass->name;
  size_t length = std::min(name.size(), static_cast<size_t>(bufferSize - 1));
  std::copy_n(name.data(), length, buffer);
  buffer[length] = 0;
  return static_cast<int>(length);
}

HWND GetParent(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(handle);
  if (!window) return nullptr;
  if (window->IsChild()) return window->parent;
  return (window->style & WS_POPUP) ? window->owner : nullptr;
}

BOOL IsChild(HWND parent, HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  for (auto window = desktop.Find(handle); window && window->IsChild();
       window = desktop.Find(window->parent))
    if (window->parent == parent) return TRUE;
  return FALSE;
}

HWND GetDlgItem(HWND dialog, int id) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(dialog);
  if (!window) return nullptr;
  for (HWND child : window->children)
    if (auto c = desktop.Find(child); c && c->id == static_cast<UINT_PTR>(static_cast<UINT>(id)))
      return child;
  SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
  return nullptr;
}

int GetDlgCtrlID(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(handle);
  if (!window) return 0;
  return window->IsChild() ? static_cast<int>(window->id) : 0;
}

HWND FindWindowW(LPCWSTR className, LPCWSTR windowName) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  for (HWND top : desktop.TopLevel())
    if (auto window = desktop.Find(top);
        window && ClassMatches(*window, className) && TitleMatches(*window, windowName))
      return top;
  return nullptr;
}

DWORD GetWindowThreadProcessId(HWND handle, LPDWORD processId) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.FindOrFail(handle);
  if (!window) return 0;
  if (processId != nullptr) *processId = platform::ProgramProcess::IdOfThread(window->threadId);
  return window->threadId;
}
