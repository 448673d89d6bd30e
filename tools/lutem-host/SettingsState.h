#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "Platform.h"

// What `lutem-host settings` reports after each step: the values under
// "Software\Hollin\Lutem Keyboard", the program's dialogs and their
// controls, the message boxes and debug output since the step before, and
// whether the theme message reached a candidate window since then.
class SettingsState {
 public:
  nlohmann::json Collect(DWORD process);
  // The preview control's picture as a PNG; false when no dialog shows one.
  bool WritePreview(const std::string& path);

  // A control of the dialog named by its id or its text (without the '&'
  // of its access key, in any case); 0 for none.
  static int ControlId(HWND dialog, const std::string& target);
  // The index of the combo box's item of that text; -1 for none.
  static int ItemIndex(HWND dialog, int comboId, const std::string& text);
  static std::string ForegroundTitle();
  // A report as lines of text.
  static std::string Describe(const nlohmann::json& report);

  static std::u16string Utf16(const std::string& text);
  static std::string Utf8(const std::u16string& text);

 private:
  size_t messageBoxesSeen_ = 0;
  size_t debugOutputSeen_ = 0;
  size_t themeMessagesSeen_ = 0;
};
