#include "user32/ControlState.h"

#include "user32/Desktop.h"

namespace platform {

std::shared_ptr<ControlState> AnyControlStateOf(HWND window) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto found = desktop.Find(window);
  return found ? found->controlState : nullptr;
}

void SetControlState(HWND window, std::shared_ptr<ControlState> state) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  if (auto found = desktop.Find(window)) found->controlState = std::move(state);
}

}  // namespace platform
