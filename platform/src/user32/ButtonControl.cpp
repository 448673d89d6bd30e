// The "Button" class (WinControls.h): push buttons, check boxes, group boxes.
#include "Platform.h"
#include "user32/ControlState.h"
#include "user32/SystemClasses.h"

namespace platform {
namespace {

class ButtonState : public ControlState {
 public:
  int check = BST_UNCHECKED;
  bool pressed = false;
};

DWORD TypeOf(HWND window) {
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & BS_TYPEMASK;
}

bool HasCheck(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
         type == BS_3STATE || type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

// A finished click: the automatic kinds change their check, then the parent hears of it.
void Clicked(HWND window, ButtonState& state) {
  DWORD type = TypeOf(window);
  if (type == BS_GROUPBOX) return;
  {
    std::lock_guard<std::mutex> hold(state.lock);
    if (type == BS_AUTOCHECKBOX)
      state.check = state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    if (type == BS_AUTO3STATE) state.check = (state.check + 1) % 3;
    if (type == BS_AUTORADIOBUTTON) state.check = BST_CHECKED;
  }
  InvalidateRect(window, nullptr, FALSE);
  NotifyParent(window, BN_CLICKED);
}

bool Inside(HWND window, LPARAM point) {
  RECT client{};
  GetClientRect(window, &client);
  int x = static_cast<SHORT>(LOWORD(point));
  int y = static_cast<SHORT>(HIWORD(point));
  return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

}  // namespace

LRESULT CALLBACK ButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) SetControlState(window, std::make_shared<ButtonState>());
  std::shared_ptr<ButtonState> state = ControlStateOf<ButtonState>(window);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_NCHITTEST:
      if (TypeOf(window) == BS_GROUPBOX) return HTTRANSPARENT;
      break;
    case BM_GETCHECK: {
      std::lock_guard<std::mutex> hold(state->lock);
      return HasCheck(TypeOf(window)) ? state->check : BST_UNCHECKED;
    }
    case BM_SETCHECK:
      if (HasCheck(TypeOf(window))) {
        {
          std::lock_guard<std::mutex> hold(state->lock);
          state->check = static_cast<int>(wParam) & 3;
        }
        InvalidateRect(window, nullptr, FALSE);
      }
      return 0;
    case BM_GETSTATE: {
      std::lock_guard<std::mutex> hold(state->lock);
      return state->check | (state->pressed ? 0x0004 : 0);
    }
    case BM_CLICK:
      if (IsWindowEnabled(window)) Clicked(window, *state);
      return 0;
    case WM_LBUTTONDOWN: {
      std::lock_guard<std::mutex> hold(state->lock);
      state->pressed = true;
      return 0;
    }
    case WM_LBUTTONUP: {
      bool wasPressed = false;
      {
        std::lock_guard<std::mutex> hold(state->lock);
        wasPressed = state->pressed;
        state->pressed = false;
      }
      if (wasPressed && Inside(window, lParam)) Clicked(window, *state);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int ButtonCheckOf(HWND window) {
  std::shared_ptr<ButtonState> state = ControlStateOf<ButtonState>(window);
  if (!state || !HasCheck(TypeOf(window))) return BST_UNCHECKED;
  std::lock_guard<std::mutex> hold(state->lock);
  return state->check;
}

}  // namespace platform
