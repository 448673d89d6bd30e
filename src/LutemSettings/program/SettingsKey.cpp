#include "program/SettingsKey.h"

#include "settings/DebugLog.h"

namespace {
const WCHAR kPath[] = TEXT("Software\\Hollin\\Lutem Keyboard");
}

// Opened by the static initialisers, so the key is there before wWinMain.
SettingsKey settingsKey;

SettingsKey::SettingsKey() {
  LSTATUS result = RegCreateKeyExW(HKEY_CURRENT_USER, kPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_READ | KEY_WRITE, nullptr, &handle_, nullptr);
  if (result != ERROR_SUCCESS) {
    handle_ = nullptr;
    DebugLog(TEXT("Error: Could not open or create registry key. Code: %d"),
             static_cast<int>(result));
  }
}

SettingsKey::~SettingsKey() {
  if (handle_ != nullptr) RegCloseKey(handle_);
}

const WCHAR* SettingsKey::Path() const { return kPath; }
