#pragma once

#include "Platform.h"

// The program's one registry key, "Software\Hollin\Lutem Keyboard" under
// HKEY_CURRENT_USER, opened (made if missing) when the program starts,
// before its entry point runs, and held for the whole run. A key that
// cannot be opened leaves one debug-log line and a null handle: every value
// then reads as its default and nothing is written.
class SettingsKey {
 public:
  SettingsKey();
  ~SettingsKey();
  SettingsKey(const SettingsKey&) = delete;
  SettingsKey& operator=(const SettingsKey&) = delete;

  HKEY Handle() const { return handle_; }
  const WCHAR* Path() const;

 private:
  HKEY handle_ = nullptr;
};

extern SettingsKey settingsKey;
