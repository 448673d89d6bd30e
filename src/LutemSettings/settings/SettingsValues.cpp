#include "settings/SettingsValues.h"

#include "common/SettingsIpcConstants.h"

namespace {

constexpr DWORD kStringBytes = 512;

const WCHAR* Name(std::u16string_view name) { return AsWchar(name.data()); }

bool ReadFlag(HKEY key, std::u16string_view name) {
  if (key == nullptr) return true;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (RegQueryValueExW(key, Name(name), nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    return true;
  return value != 0;
}

}  // namespace

void WriteFlagValue(HKEY key, std::u16string_view name, bool on) {
  DWORD value = on ? 1 : 0;
  RegSetValueExW(key, Name(name), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                 sizeof(value));
}

void WriteThemeIdValue(HKEY key, const std::u16string& themeId) {
  auto bytes = static_cast<DWORD>((themeId.size() + 1) * sizeof(WCHAR));
  RegSetValueExW(key, Name(SettingsIpcConstants::keyThemeId), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(themeId.c_str()), bytes);
}

std::u16string ReadStringValue(HKEY key, const WCHAR* name, const std::u16string& fallback) {
  if (key == nullptr) return fallback;
  WCHAR buffer[kStringBytes / sizeof(WCHAR)] = {};
  DWORD type = 0;
  DWORD size = kStringBytes;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ)
    return fallback;
  std::u16string text;
  for (DWORD i = 0; i < size / sizeof(WCHAR) && buffer[i] != 0; ++i)
    text += static_cast<char16_t>(buffer[i]);
  return text;
}

SettingsValues SettingsValues::Read(HKEY key) {
  SettingsValues values;
  values.themeId = ReadStringValue(key, Name(SettingsIpcConstants::keyThemeId), u"");
  values.smartCorrection = ReadFlag(key, SettingsIpcConstants::keySmartCorrection);
  values.saveCandidates = ReadFlag(key, SettingsIpcConstants::keySaveCandidates);
  values.candidateWindow = ReadFlag(key, SettingsIpcConstants::keyCandidateWindow);
  return values;
}

void SettingsValues::Write(HKEY key) const {
  if (key == nullptr) return;
  WriteFlagValue(key, SettingsIpcConstants::keySmartCorrection, smartCorrection);
  WriteFlagValue(key, SettingsIpcConstants::keySaveCandidates, saveCandidates);
  WriteFlagValue(key, SettingsIpcConstants::keyCandidateWindow, candidateWindow);
  if (themeId) WriteThemeIdValue(key, *themeId);
}
