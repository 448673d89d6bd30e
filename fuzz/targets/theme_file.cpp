// fuzz: link lutem_settings
//
// Any theme file, read through the runtime's text mode as both programs read
// it: the input method's theme load never fails outward and leaves opaque
// colours, the defaults or the chosen theme's; the settings program's theme
// list never fails either; and where the settings program lists the chosen
// theme, the input method draws the same colours, except that it takes only
// a colour of exactly three elements (opaque red otherwise) and keeps the
// selection bar the record held when the theme names none.
//
// Input: one byte choosing the theme id (the default, the dark one, the
// empty id, or UTF-8 text up to the next NUL) and whether the record loaded
// into already holds a selection bar of its own, then the file's bytes.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "FuzzInput.h"
#include "FuzzScratch.h"
#include "WellFormedUtf16.h"
#include "common/ThemeFile.h"
#include "conversion/WideToUtf8.h"
#include "service/candidate/ThemeManager.h"
#include "service/settings/ProcessSettings.h"
#include "themes/ThemeFileReader.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kKeptBar = 0xFF123456;

bool Opaque(const ThemeColors& c) {
  for (uint32_t color : {c.windowBackground, c.border, c.text, c.highlightBackground,
                         c.highlightText, c.selectionBar})
    if ((color >> 24) != 0xFF) return false;
  return true;
}

// Where rootDir leads: the installation root's "UI" folder, in the scratch
// folder (on the stand-in, the scratch folder is drive C:).
std::string ThemeFileName() {
  static const std::string name = [] {
#ifdef _WIN32
    rootDir = Utf8ToWide(FuzzScratch::Folder());
    std::filesystem::create_directories(std::filesystem::path(FuzzScratch::Folder()) / "UI");
    return std::string("UI/themes.dov");
#else
    FUZZ_CHECK(setenv("LUTEM_SYSTEM_ROOT", FuzzScratch::Folder().c_str(), 1) == 0);
    rootDir = u"C:\\Lutem";
    std::filesystem::create_directories(std::filesystem::path(FuzzScratch::Folder()) / "Lutem" /
                                        "UI");
    return std::string("Lutem/UI/themes.dov");
#endif
  }();
  return name;
}

// The colour the input method takes for a colour value the settings program
// read as listed: the same colour from exactly three elements, red from more.
uint32_t ServiceColor(const nlohmann::json& value, uint32_t listed) {
  return value.size() == 3 ? listed : kRed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string fileName = ThemeFileName();
  FuzzInput in(data, size);
  const uint8_t choice = in.TakeByte();
  switch (choice & 3) {
    case 0:
      ThemeID = u"lutem_light";
      break;
    case 1:
      ThemeID = u"lutem_dark";
      break;
    case 2:
      ThemeID = std::u16string();
      break;
    default:
      ThemeID = Utf8ToWide(in.TakeUntilNul());
      break;
  }
  ThemeColors before;
  if ((choice & 4) != 0) before.selectionBar = kKeptBar;
  FuzzScratch::Write(fileName, std::string(in.Rest()));

  ThemeColors loaded = before;
  LoadTheme(loaded);
  FUZZ_CHECK(Opaque(loaded));

  // The settings program reads the same text.
  std::string text;
  FUZZ_CHECK(ReadThemeFile(ThemeFilePath(rootDir.Get()), &text));
  const ThemeFileContents contents = ThemeFileReader::Read(text);
  for (const ThemeRecord& record : contents.themes) {
    FUZZ_CHECK(Opaque(record.colors));
    FUZZ_CHECK(IsWellFormedUtf16(record.id) && IsWellFormedUtf16(record.name));
  }

  nlohmann::json document;
  try {
    std::istringstream stream(text);
    stream >> document;
  } catch (const nlohmann::json::exception&) {
    FUZZ_CHECK(!contents.syntaxError.empty());
    FUZZ_CHECK(contents.themes.empty() && contents.problems.empty());
    FUZZ_CHECK(loaded == ThemeColors());
    return 0;
  }
  FUZZ_CHECK(contents.syntaxError.empty());
  FUZZ_CHECK(contents.notAnObject == !(document.is_object() || document.is_null()));
  if (document.is_object())
    FUZZ_CHECK(contents.themes.size() + contents.problems.size() == document.size());
  else
    FUZZ_CHECK(contents.themes.empty() && contents.problems.empty());

  const std::string id = WideToUtf8(ThemeID.Get());
  if (!document.is_object() || !document.contains(id)) {
    FUZZ_CHECK(loaded == ThemeColors());
    return 0;
  }
  // A theme the settings program lists is one the input method loads.
  // Settings ids end at an escaped NUL; the input method's match is exact.
  const ThemeRecord* listed = nullptr;
  for (const ThemeRecord& record : contents.themes)
    if (record.id == ThemeID.Get() && text.find("\\u0000") == std::string::npos) listed = &record;
  if (listed == nullptr) return 0;

  const nlohmann::json& colors = document[id]["colors"];
  ThemeColors expected = listed->colors;
  expected.windowBackground =
      ServiceColor(colors["windowBackground"], listed->colors.windowBackground);
  expected.border = ServiceColor(colors["border"], listed->colors.border);
  expected.text = ServiceColor(colors["text"], listed->colors.text);
  expected.highlightBackground =
      ServiceColor(colors["highlightBackground"], listed->colors.highlightBackground);
  expected.highlightText = ServiceColor(colors["highlightText"], listed->colors.highlightText);
  if (!colors.contains("selectionBar"))
    expected.selectionBar = before.selectionBar;
  else if (!colors["selectionBar"].is_array() || colors["selectionBar"].size() != 3)
    expected.selectionBar = kRed;
  FUZZ_CHECK(loaded == expected);
  return 0;
}
