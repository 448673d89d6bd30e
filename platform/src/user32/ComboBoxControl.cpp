// The "ComboBox" class (WinControls.h): the list, the selection and the
// notifications of a user's choice.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "Platform.h"
#include "common/HostText.h"
#include "user32/ControlState.h"
#include "user32/SystemClasses.h"

namespace platform {
namespace {

class ComboBoxState : public ControlState {
 public:
  std::vector<std::u16string> items;
  int selection = CB_ERR;
};

LRESULT AddString(HWND window, ComboBoxState& state, LPCWSTR text) {
  if (text == nullptr) return CB_ERR;
  std::u16string item(text, WideLength(text));
  std::lock_guard<std::mutex> hold(state.lock);
  auto place = state.items.end();
  if (GetWindowLongPtrW(window, GWL_STYLE) & CBS_SORT) {
    std::u16string folded = FoldCase(item);
    place = std::find_if(state.items.begin(), state.items.end(),
                         [&](const std::u16string& other) { return FoldCase(other) > folded; });
  }
  auto index = static_cast<int>(place - state.items.begin());
  state.items.insert(place, item);
  if (state.selection != CB_ERR && index <= state.selection) ++state.selection;
  return index;
}

LRESULT SetSelection(ComboBoxState& state, WPARAM wParam) {
  std::lock_guard<std::mutex> hold(state.lock);
  auto index = static_cast<INT_PTR>(wParam);
  if (index < 0 || index >= static_cast<INT_PTR>(state.items.size())) {
    state.selection = CB_ERR;
    return CB_ERR;
  }
  state.selection = static_cast<int>(index);
  return index;
}

// The user drops the list down and picks an item (or, for an index outside
// the list, closes it again without a choice).
void UserChoice(HWND window, ComboBoxState& state, WPARAM wParam) {
  NotifyParent(window, CBN_DROPDOWN);
  bool chosen = false;
  bool changed = false;
  {
    std::lock_guard<std::mutex> hold(state.lock);
    auto index = static_cast<INT_PTR>(wParam);
    chosen = index >= 0 && index < static_cast<INT_PTR>(state.items.size());
    if (chosen) {
      changed = state.selection != index;
      state.selection = static_cast<int>(index);
    }
  }
  if (changed) {
    InvalidateRect(window, nullptr, FALSE);
    NotifyParent(window, CBN_SELCHANGE);
  }
  NotifyParent(window, CBN_CLOSEUP);
  NotifyParent(window, chosen ? CBN_SELENDOK : CBN_SELENDCANCEL);
}

LRESULT CopyItem(ComboBoxState& state, WPARAM index, LPWSTR buffer, bool lengthOnly) {
  std::lock_guard<std::mutex> hold(state.lock);
  if (static_cast<INT_PTR>(index) < 0 || index >= state.items.size()) return CB_ERR;
  const std::u16string& item = state.items[index];
  if (!lengthOnly) {
    if (buffer == nullptr) return CB_ERR;
    std::memcpy(buffer, item.c_str(), (item.size() + 1) * sizeof(WCHAR));
  }
  return static_cast<LRESULT>(item.size());
}

}  // namespace

LRESULT CALLBACK ComboBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) SetControlState(window, std::make_shared<ComboBoxState>());
  std::shared_ptr<ComboBoxState> state = ControlStateOf<ComboBoxState>(window);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  if (message == UserChoiceMessage()) {
    UserChoice(window, *state, wParam);
    return 0;
  }
  switch (message) {
    case CB_ADDSTRING:
      return AddString(window, *state, reinterpret_cast<LPCWSTR>(lParam));
    case CB_SETCURSEL: {
      LRESULT result = SetSelection(*state, wParam);
      InvalidateRect(window, nullptr, FALSE);
      return result;
    }
    case CB_GETCURSEL: {
      std::lock_guard<std::mutex> hold(state->lock);
      return state->selection;
    }
    case CB_GETCOUNT: {
      std::lock_guard<std::mutex> hold(state->lock);
      return static_cast<LRESULT>(state->items.size());
    }
    case CB_GETLBTEXTLEN:
      return CopyItem(*state, wParam, nullptr, true);
    case CB_GETLBTEXT:
      return CopyItem(*state, wParam, reinterpret_cast<LPWSTR>(lParam), false);
    case CB_RESETCONTENT: {
      {
        std::lock_guard<std::mutex> hold(state->lock);
        state->items.clear();
        state->selection = CB_ERR;
      }
      InvalidateRect(window, nullptr, FALSE);
      return CB_OKAY;
    }
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT: {
      // A drop-down list shows its selected item.
      std::u16string text;
      {
        std::lock_guard<std::mutex> hold(state->lock);
        if (state->selection != CB_ERR) text = state->items[static_cast<size_t>(state->selection)];
      }
      if (message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(text.size());
      auto* buffer = reinterpret_cast<LPWSTR>(lParam);
      if (buffer == nullptr || wParam == 0) return 0;
      size_t length = std::min(text.size(), static_cast<size_t>(wParam - 1));
      std::memcpy(buffer, text.data(), length * sizeof(WCHAR));
      buffer[length] = 0;
      return static_cast<LRESULT>(length);
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<std::u16string> ComboBoxItemsOf(HWND window, int* selection) {
  std::shared_ptr<ComboBoxState> state = ControlStateOf<ComboBoxState>(window);
  if (!state) return {};
  std::lock_guard<std::mutex> hold(state->lock);
  if (selection != nullptr) *selection = state->selection;
  return state->items;
}

}  // namespace platform
