// The dialogs DialogBoxParamW runs, with what EndDialog leaves for their
// modal loops.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "Platform.h"

namespace platform {

class ModalDialog {
 public:
  explicit ModalDialog(std::u16string templateName) : templateName(std::move(templateName)) {}

  // Null when the window is not a dialog of DialogBoxParamW.
  static std::shared_ptr<ModalDialog> Of(HWND dialog);
  static void Add(HWND dialog, std::shared_ptr<ModalDialog> record);
  static void Remove(HWND dialog);

  // Set by EndDialog; the loop checks before it takes the next message.
  void End(INT_PTR value) {
    result = value;
    ended = true;
  }

  const std::u16string templateName;  // "#129" for a number
  std::atomic<bool> ended{false};
  std::atomic<INT_PTR> result{0};
};

}  // namespace platform
