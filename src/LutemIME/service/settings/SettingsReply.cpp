#include "service/settings/SettingsReply.h"

#include "common/SettingsIpcConstants.h"
#include "service/settings/ProcessSettings.h"

std::map<std::u16string, std::u16string> ParseSettingsReply(std::u16string_view reply) {
  std::map<std::u16string, std::u16string> pairs;
  size_t start = 0;
  while (start < reply.size()) {
    size_t end = reply.find(u';', start);
    if (end == std::u16string_view::npos) end = reply.size();
    std::u16string_view piece = reply.substr(start, end - start);
    size_t eq = piece.find(u'=');
    if (eq != std::u16string_view::npos && eq > 0)
      pairs[std::u16string(piece.substr(0, eq))] = std::u16string(piece.substr(eq + 1));
    start = end + 1;
  }
  return pairs;
}

std::optional<uint32_t> ReadSettingsNumber(std::u16string_view value) {
  size_t i = 0;
  auto isSpace = [](char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
  while (i < value.size() && isSpace(value[i])) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) negative = value[i++] == u'-';
  if (i >= value.size() || value[i] < u'0' || value[i] > u'9') return std::nullopt;
  uint64_t n = 0;
  for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
    n = n * 10 + static_cast<uint64_t>(value[i] - u'0');
    if (n > UINT32_MAX) return std::nullopt;
  }
  uint32_t result = static_cast<uint32_t>(n);
  return negative ? static_cast<uint32_t>(0u - result) : result;
}

namespace {

// A number the setting can hold keeps it, any other gives the default; a
// value that is not a number leaves the setting alone.
template <typename T>
void ReadNumber(const std::u16string& value, uint32_t low, uint32_t high, T fallback,
                std::optional<T>* setting) {
  if (std::optional<uint32_t> n = ReadSettingsNumber(value))
    *setting = *n >= low && *n <= high ? static_cast<T>(*n) : fallback;
}

}  // namespace

void ReadSettingsReply(const std::map<std::u16string, std::u16string>& pairs,
                       bool withSaveCandidates, SettingsUpdate* into) {
  using C = SettingsIpcConstants;
  auto value = [&](std::u16string_view key) -> const std::u16string* {
    auto it = pairs.find(std::u16string(key));
    return it == pairs.end() || it->second.empty() ? nullptr : &it->second;
  };
  if (auto v = value(C::keyRootDir)) into->rootDir = *v;
  if (auto v = value(C::keyThemeId)) into->themeId = *v;
  if (auto v = value(C::keySmartCorrection))
    ReadNumber(*v, 0, 1, kDefaultSmartCorrection, &into->smartCorrection);
  if (withSaveCandidates) {
    if (auto v = value(C::keySaveCandidates))
      ReadNumber(*v, 0, 1, kDefaultSaveCandidates, &into->saveCandidates);
  }
  if (auto v = value(C::keyCandidateWindow))
    ReadNumber(*v, 0, 1, kDefaultCandidateWindow, &into->candidateWindow);
  if (auto v = value(C::keyCurrentLayout))
    ReadNumber(*v, 1, 8, kDefaultCurrentLayout, &into->currentLayout);
  if (auto v = value(C::keyCurrentEncoding))
    ReadNumber(*v, 0, 1, kDefaultCurrentEncoding, &into->currentEncoding);
}

void StoreSettings(const SettingsUpdate& update) {
  if (update.rootDir) rootDir = *update.rootDir;
  if (update.themeId) ThemeID = *update.themeId;
  if (update.smartCorrection) SmartCorrection = *update.smartCorrection;
  if (update.saveCandidates) SaveCandidates = *update.saveCandidates;
  if (update.candidateWindow) CandidateWindow = *update.candidateWindow;
  if (update.currentLayout) CurrentLayout = *update.currentLayout;
  if (update.currentEncoding) CurrentEncoding = *update.currentEncoding;
}

void ApplySettings(const std::map<std::u16string, std::u16string>& pairs,
                   bool applySaveCandidates) {
  SettingsUpdate update;
  ReadSettingsReply(pairs, applySaveCandidates, &update);
  StoreSettings(update);
}
