#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The "LOAD_ALL" reply: pieces cut at ';', each split at its first '=' into
// key and value. Pieces without '=' or with an empty key are skipped; a later
// key replaces an earlier one. Nothing is trimmed.
std::map<std::u16string, std::u16string> ParseSettingsReply(std::u16string_view reply);

// A setting's number, read the way wcstoul reads base 10 (leading blanks, one
// sign, digits up to the first non-digit, "-" negating modulo 2^32). No digit,
// or a value beyond 32 bits, is not a number.
std::optional<uint32_t> ReadSettingsNumber(std::u16string_view value);

// Values bound for the process-wide settings; a field left empty keeps its
// setting.
struct SettingsUpdate {
  std::optional<std::u16string> rootDir;
  std::optional<std::u16string> themeId;
  std::optional<uint32_t> smartCorrection;
  std::optional<uint32_t> saveCandidates;
  std::optional<uint32_t> candidateWindow;
  std::optional<int32_t> currentLayout;
  std::optional<int32_t> currentEncoding;
};

// Sets the fields of into that the parsed keys with a non-empty value give.
// A numeric key whose value is not a number sets nothing; a number the input
// method cannot use (a layout outside 1 to 8, an encoding outside 0 and 1, a
// flag other than 0 and 1) gives that setting's default, so the menu, the
// icon and the conversion always agree on it. withSaveCandidates = false
// (the refresh) leaves "SaveCandidates" out.
void ReadSettingsReply(const std::map<std::u16string, std::u16string>& pairs,
                       bool withSaveCandidates, SettingsUpdate* into);

// Stores every field that is set into the process-wide settings.
void StoreSettings(const SettingsUpdate& update);

// ReadSettingsReply over an empty update, then StoreSettings.
void ApplySettings(const std::map<std::u16string, std::u16string>& pairs,
                   bool applySaveCandidates);
