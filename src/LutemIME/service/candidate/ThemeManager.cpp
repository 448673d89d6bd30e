#include "service/candidate/ThemeManager.h"

#include <mutex>
#include <sstream>
#include <string>

#include "Platform.h"
#include "common/ColorComponentByte.h"
#include "common/SettingsIpcConstants.h"
#include "common/ThemeFile.h"
#include "conversion/WideToUtf8.h"
#include "service/settings/DebugLog.h"
#include "service/settings/ProcessSettings.h"
#include "service/settings/SendSettingsCommand.h"

ThemeColors ThemeUpdateColors;

namespace {

// Held through a load into ThemeUpdateColors and its announcement, which
// candidate windows on several UI threads may make at once; taken before
// announcedLock and the settings' lock, never after them.
std::mutex themeUpdateLock;
std::mutex announcedLock;
ThemeColors announcedColors;
uint64_t announcedNumber = 0;

using nlohmann::json;

constexpr uint32_t kOpaqueRed = 0xFFFF0000;

const json& Member(const json& object, const char* key) {
  static const json kNull;
  if (!object.is_object()) return kNull;
  const auto found = object.find(key);
  return found == object.end() ? kNull : *found;
}

// The theme's colours over colors (for the selection bar it keeps); nothing
// when a value has the wrong type.
std::optional<ThemeColors> ThemeFrom(const json& theme, const ThemeColors& colors) {
  if (!theme.is_object() && !theme.is_null()) return std::nullopt;
  const json& values = Member(theme, "colors");
  if (!values.is_object() && !values.is_null()) return std::nullopt;

  ThemeColors loaded = colors;
  struct Field {
    const char* key;
    uint32_t ThemeColors::*color;
  };
  static constexpr Field kFields[] = {
      {"windowBackground", &ThemeColors::windowBackground},
      {"border", &ThemeColors::border},
      {"text", &ThemeColors::text},
      {"highlightBackground", &ThemeColors::highlightBackground},
      {"highlightText", &ThemeColors::highlightText},
  };
  for (const Field& field : kFields) {
    const std::optional<uint32_t> color = ParseColor(Member(values, field.key));
    if (!color) return std::nullopt;
    loaded.*field.color = *color;
  }
  if (values.is_object() && values.contains("selectionBar")) {
    const std::optional<uint32_t> color = ParseColor(values["selectionBar"]);
    if (!color) return std::nullopt;
    loaded.selectionBar = *color;
  }
  return loaded;
}

void LoadThemeFromFile(ThemeColors& colors) {
  // One copy of each setting: a refresh on another UI thread may change them
  // meanwhile.
  const std::u16string path = ThemeFilePath(rootDir.Get());
  const std::u16string themeId = ThemeID.Get();
  std::string text;
  if (!ReadThemeFile(path, &text)) {
    DebugLogW(TEXT("ThemeManager: Could not open theme file at %s. Using default colors."),
              AsWchar(path.c_str()));
    colors = ThemeColors();
    return;
  }

  json document;
  try {
    // Stream extraction: whatever follows the first complete value is not read.
    std::istringstream stream(text);
    stream >> document;
  } catch (const json::parse_error& error) {
    DebugLogA("ThemeManager: JSON parse error: %s. Using default colors.", error.what());
    colors = ThemeColors();
    return;
  }

  const std::string id = WideToUtf8(themeId);
  const auto theme = document.is_object() ? document.find(id) : document.end();
  if (!document.is_object() || theme == document.end()) {
    DebugLogW(TEXT("ThemeManager: Theme ID '%s' not found in json. Using default colors."),
              AsWchar(themeId.c_str()));
    colors = ThemeColors();
    return;
  }

  const std::optional<ThemeColors> loaded = ThemeFrom(*theme, colors);
  colors = loaded ? *loaded : ThemeColors();
  if (loaded)
    DebugLogW(TEXT("ThemeManager: Successfully loaded theme '%s'."), AsWchar(themeId.c_str()));
}

}  // namespace

std::optional<uint32_t> ParseColor(const json& value) {
  if (!value.is_array() || value.size() != 3) return kOpaqueRed;
  return OpaqueColorOfFirstThree(value);
}

void LoadTheme(ThemeColors& colors) {
  try {
    LoadThemeFromFile(colors);
  } catch (...) {
    // No memory for the text or the document: still a theme to draw with.
    colors = ThemeColors();
  }
}

void RefreshThemeIdFromServer() {
  std::u16string request(SettingsIpcConstants::commandLoad);
  request += u' ';
  request += SettingsIpcConstants::keyThemeId;
  try {
    std::u16string reply = SendSettingsCommand(request);
    if (reply.empty() || IsErrorReply(reply)) return;
    ThemeID.Set(std::move(reply));
  } catch (...) {
    // Out of memory: the theme id stays as it was.
  }
}

ThemeColors LoadAndAnnounceThemeUpdate() {
  std::lock_guard<std::mutex> hold(themeUpdateLock);
  LoadTheme(ThemeUpdateColors);
  AnnounceTheme(ThemeUpdateColors);
  return ThemeUpdateColors;
}

void AnnounceTheme(const ThemeColors& colors) {
  std::lock_guard<std::mutex> hold(announcedLock);
  announcedColors = colors;
  ++announcedNumber;
}

uint64_t LatestThemeAnnouncement() {
  std::lock_guard<std::mutex> hold(announcedLock);
  return announcedNumber;
}

bool TakeNewerTheme(uint64_t* seen, ThemeColors* colors) {
  std::lock_guard<std::mutex> hold(announcedLock);
  if (announcedNumber <= *seen) return false;
  *colors = announcedColors;
  *seen = announcedNumber;
  return true;
}
