#include "themes/ThemeFileReader.h"

#include <optional>
#include <sstream>

#include "Platform.h"
#include "themes/ParseThemeListColor.h"

namespace {

using nlohmann::json;

// UTF-8 to UTF-16 with the platform's conversion, up to the first NUL.
std::u16string Utf16(const std::string& text) {
  int units = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
  if (units <= 0) return std::u16string();
  std::u16string wide(static_cast<size_t>(units), u'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, AsWchar(wide.data()), units);
  wide.resize(static_cast<size_t>(units - 1));
  return wide;
}

struct ColorField {
  const char* key;
  uint32_t ThemeColors::*color;
};

constexpr ColorField kRequiredColors[] = {
    {"windowBackground", &ThemeColors::windowBackground},
    {"border", &ThemeColors::border},
    {"text", &ThemeColors::text},
    {"highlightBackground", &ThemeColors::highlightBackground},
    {"highlightText", &ThemeColors::highlightText},
};

std::optional<ThemeRecord> ReadTheme(const std::string& id, const json& theme,
                                     std::string* reason) {
  if (!theme.is_object()) {
    *reason = "it is not an object";
    return std::nullopt;
  }
  auto name = theme.find("theme_name");
  if (name == theme.end() || !name->is_string()) {
    *reason = "its \"theme_name\" is missing or not a string";
    return std::nullopt;
  }
  auto colors = theme.find("colors");
  if (colors == theme.end() || !colors->is_object()) {
    *reason = "its \"colors\" is missing or not an object";
    return std::nullopt;
  }
  ThemeRecord record;
  record.id = Utf16(id);
  record.name = Utf16(name->get<std::string>());
  for (const ColorField& field : kRequiredColors) {
    auto value = colors->find(field.key);
    std::optional<uint32_t> color =
        value == colors->end() ? std::nullopt : ParseThemeListColor(*value);
    if (!color) {
      *reason = std::string("its colour \"") + field.key +
                "\" is missing, not an array of at least three elements, or holds an element "
                "that is neither a number nor a boolean";
      return std::nullopt;
    }
    record.colors.*field.color = *color;
  }
  // The selection bar is the highlight's colour unless the theme gives one
  // of exactly three elements.
  record.colors.selectionBar = record.colors.highlightBackground;
  auto bar = colors->find("selectionBar");
  if (bar != colors->end() && bar->is_array() && bar->size() == 3) {
    std::optional<uint32_t> color = ParseThemeListColor(*bar);
    if (!color) {
      *reason =
          "its colour \"selectionBar\" holds an element that is neither a number nor a "
          "boolean";
      return std::nullopt;
    }
    record.colors.selectionBar = *color;
  }
  return record;
}

}  // namespace

ThemeFileContents ThemeFileReader::Read(const std::string& text) {
  ThemeFileContents contents;
  json document;
  try {
    // Stream extraction: whatever follows the first complete value is not read.
    std::istringstream stream(text);
    stream >> document;
  } catch (const json::exception& error) {
    contents.syntaxError = error.what();
    return contents;
  }
  if (document.is_null()) return contents;
  if (!document.is_object()) {
    contents.notAnObject = true;
    return contents;
  }
  for (const auto& member : document.items()) {
    std::string reason;
    std::optional<ThemeRecord> record = ReadTheme(member.key(), member.value(), &reason);
    if (record)
      contents.themes.push_back(std::move(*record));
    else
      contents.problems.push_back(ThemeProblem{Utf16(member.key()), reason});
  }
  return contents;
}
