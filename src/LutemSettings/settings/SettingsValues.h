#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Platform.h"

// The four settings of the settings dialog as the registry holds them under
// the settings key: "ThemeID" (REG_SZ) and the flags "SmartCorrection",
// "SaveCandidates" and "CandidateWindow" (REG_DWORD, 1 or 0).
struct SettingsValues {
  // Read gives the stored id (empty when there is none); Write writes it
  // only when a theme is chosen.
  std::optional<std::u16string> themeId;
  bool smartCorrection = true;
  bool saveCandidates = true;
  bool candidateWindow = true;

  // The values under key; each flag counts only as a REG_DWORD (any number
  // but 0 is on) and is on otherwise; with no key (null) all are defaults.
  static SettingsValues Read(HKEY key);
  // Writes the three flags and, when a theme is chosen, "ThemeID" with its
  // NUL; results are not looked at. Nothing without a key.
  void Write(HKEY key) const;
};

// One flag as REG_DWORD 1 or 0, and "ThemeID" as REG_SZ with its NUL; results
// are not looked at.
void WriteFlagValue(HKEY key, std::u16string_view name, bool on);
void WriteThemeIdValue(HKEY key, const std::u16string& themeId);

// A REG_SZ value read into 512 bytes (255 units and a NUL): the text up to
// its first NUL, never beyond the bytes returned; fallback when there is no
// key or value, the value is longer or of another type, or the read fails.
std::u16string ReadStringValue(HKEY key, const WCHAR* name, const std::u16string& fallback);
