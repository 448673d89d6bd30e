// The "Static" class (WinControls.h): text, icons and owner-drawn areas.
#include <cstring>

#include "Platform.h"
#include "user32/ControlState.h"
#include "user32/IconTable.h"
#include "user32/StaticPicture.h"
#include "user32/SystemClasses.h"

namespace platform {
namespace {

class StaticState : public ControlState {
 public:
  HICON icon = nullptr;
  bool ownsIcon = false;
  StaticPicture picture;
};

DWORD TypeOf(HWND window) {
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & SS_TYPEMASK;
}

// As LoadIcon does: the group's image of the default icon size.
HICON LoadModuleIcon(HINSTANCE instance, LPCWSTR name) {
  HRSRC group = FindResourceW(instance, name, RT_GROUP_ICON);
  HGLOBAL groupData = group ? LoadResource(instance, group) : nullptr;
  if (groupData == nullptr) return nullptr;
  int imageId = LookupIconIdFromDirectoryEx(static_cast<PBYTE>(LockResource(groupData)), TRUE, 0, 0,
                                            LR_DEFAULTSIZE);
  HRSRC image = imageId ? FindResourceW(instance, MAKEINTRESOURCEW(imageId), RT_ICON) : nullptr;
  HGLOBAL imageData = image ? LoadResource(instance, image) : nullptr;
  if (imageData == nullptr) return nullptr;
  return CreateIconFromResourceEx(static_cast<PBYTE>(LockResource(imageData)),
                                  SizeofResource(instance, image), TRUE, 0x00030000, 0, 0,
                                  LR_DEFAULTSIZE);
}

// An icon static's text names the icon: a resource name, or 0xFFFF and its number.
LRESULT CreateIconStatic(HWND window, const CREATESTRUCTW& create, StaticState& state) {
  LPCWSTR text = create.lpszName;
  LPCWSTR name = nullptr;
  if (text != nullptr && !IS_INTRESOURCE(text)) {
    name = text[0] == 0xFFFF ? MAKEINTRESOURCEW(text[1]) : (text[0] != 0 ? text : nullptr);
  }
  if (name != nullptr) {
    state.icon = LoadModuleIcon(create.hInstance, name);
    state.ownsIcon = state.icon != nullptr;
  }
  CREATESTRUCTW untitled = create;
  untitled.lpszName = nullptr;
  return DefWindowProcW(window, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&untitled));
}

void PaintOwnerDrawn(HWND window, StaticState& state) {
  RECT client{};
  GetClientRect(window, &client);
  HDC dc = nullptr;
  {
    std::lock_guard<std::mutex> hold(state.lock);
    dc = state.picture.Prepare(client.right, client.bottom);
  }
  if (dc != nullptr) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = IsWindowEnabled(window) ? 0 : ODS_DISABLED;
    item.hwndItem = window;
    item.hDC = dc;
    item.rcItem = client;
    if (HWND parent = GetParent(window))
      SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  }
  ValidateRect(window, nullptr);
}

}  // namespace

LRESULT CALLBACK StaticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto state = std::make_shared<StaticState>();
    SetControlState(window, state);
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (create != nullptr && (static_cast<DWORD>(create->style) & SS_TYPEMASK) == SS_ICON)
      return CreateIconStatic(window, *create, *state);
  }
  std::shared_ptr<StaticState> state = ControlStateOf<StaticState>(window);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      // An icon static takes the size of its icon, whatever the template says.
      if (auto icon = IconTable::Instance().Find(StaticIconOf(window)))
        SetWindowPos(window, nullptr, 0, 0, icon->width, icon->height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case WM_NCHITTEST:
      if (!(GetWindowLongPtrW(window, GWL_STYLE) & SS_NOTIFY)) return HTTRANSPARENT;
      break;
    case WM_PAINT:
      if (TypeOf(window) == SS_OWNERDRAW) {
        PaintOwnerDrawn(window, *state);
        return 0;
      }
      break;
    case STM_GETICON: {
      std::lock_guard<std::mutex> hold(state->lock);
      return reinterpret_cast<LRESULT>(state->icon);
    }
    case STM_SETICON: {
      HICON previous = nullptr;
      {
        std::lock_guard<std::mutex> hold(state->lock);
        previous = state->icon;
        state->icon = reinterpret_cast<HICON>(wParam);
        if (state->ownsIcon && previous != nullptr) {
          DestroyIcon(previous);
          previous = nullptr;
        }
        state->ownsIcon = false;
      }
      InvalidateRect(window, nullptr, TRUE);
      return reinterpret_cast<LRESULT>(previous);
    }
    case WM_NCDESTROY: {
      std::lock_guard<std::mutex> hold(state->lock);
      state->picture.Release();
      if (state->ownsIcon && state->icon != nullptr) DestroyIcon(state->icon);
      state->icon = nullptr;
      break;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HICON StaticIconOf(HWND window) {
  std::shared_ptr<StaticState> state = ControlStateOf<StaticState>(window);
  if (!state) return nullptr;
  std::lock_guard<std::mutex> hold(state->lock);
  return state->icon;
}

std::optional<host::Picture> StaticPictureOf(HWND window) {
  std::shared_ptr<StaticState> state = ControlStateOf<StaticState>(window);
  if (!state) return std::nullopt;
  std::lock_guard<std::mutex> hold(state->lock);
  return state->picture.Read();
}

}  // namespace platform
