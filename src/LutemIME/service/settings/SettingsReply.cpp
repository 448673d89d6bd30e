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

// A numeric setting that could not be read keeps its value, so the input
// method always runs on a setting it understands.
template <typename T>
void ApplyNumber(const std::u16string& value, T* setting) {
  if (std::optional<uint32_t> n = ReadSettingsNumber(value)) *setting = static_cast<T>(*n);
}

}  // namespace

void ApplySettings(const std::map<std::u16string, std::u16string>& pairs,
                   bool applySaveCandidates) {
  using C = SettingsIpcConstants;
  auto value = [&](std::u16string_view key) -> const std::u16string* {
    auto it = pairs.find(std::u16string(key));
    return it == pairs.end() || it->second.empty() ? nullptr : &it->second;
  };
  if (auto v = value(C::keyRootDir)) rootDir = *v;
  if (auto v = value(C::keyThemeId)) ThemeID = *v;
  if (auto v = value(C::keySmartCorrection)) ApplyNumber(*v, &SmartCorrection);
  if (applySaveCandidates) {
    if (auto v = value(C::keySaveCandidates)) ApplyNumber(*v, &SaveCandidates);
  }
  if (auto v = value(C::keyCandidateWindow)) {
    if (std::optional<uint32_t> n = ReadSettingsNumber(*v)) CandidateWindow = *n == 1 ? 1 : 0;
    else CandidateWindow = 0;
  }
  if (auto v = value(C::keyCurrentLayout)) ApplyNumber(*v, &CurrentLayout);
  if (auto v = value(C::keyCurrentEncoding)) ApplyNumber(*v, &CurrentEncoding);
}
