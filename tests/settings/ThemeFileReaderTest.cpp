// The settings program's reading of the theme file.
#include <gtest/gtest.h>

#include "themes/ParseThemeListColor.h"
#include "themes/ThemeFileReader.h"

namespace {

std::string Theme(const std::string& id, const std::string& colors,
                  const std::string& name = "\"Name\"") {
  return "\"" + id + "\": {\"theme_name\": " + name + ", \"colors\": {" + colors + "}}";
}

const char kFive[] =
    "\"windowBackground\": [1, 2, 3], \"border\": [4, 5, 6], \"text\": [7, 8, 9], "
    "\"highlightBackground\": [10, 20, 30], \"highlightText\": [40, 50, 60]";

TEST(ParseThemeListColorTest, AtLeastThreeElementsEachAByte) {
  struct Case {
    const char* json;
    std::optional<uint32_t> color;
  };
  const Case kCases[] = {
      {"[10, 20, 30]", 0xFF0A141E},
      {"[10, 20, 30, 40]", 0xFF0A141E},  // further elements are not read
      {"[300, -1, 12.9]", 0xFF2CFF0C},
      {"[true, false, 1]", 0xFF010001},
      {"[1e20, -1e20, 255.99]", 0xFF0000FF},  // no 32-bit conversion of 1e20
      {"[255, 255]", std::nullopt},
      {"[1, \"2\", 3]", std::nullopt},
      {"[1, null, 3]", std::nullopt},
      {"\"#FF0000\"", std::nullopt},
      {"{\"r\": 1}", std::nullopt},
      {"null", std::nullopt},
  };
  for (const Case& c : kCases)
    EXPECT_EQ(ParseThemeListColor(nlohmann::json::parse(c.json)), c.color) << c.json;
}

TEST(ThemeFileReaderTest, ThemesInByteOrderOfTheirIds) {
  ThemeFileContents contents = ThemeFileReader::Read(
      "{" + Theme("b_theme", kFive, "\"Bee\"") + ", " + Theme("a_theme", kFive, "\"Ay\"") + ", " +
      Theme("\xE0\xA6\x95", kFive, "\"\xE0\xA6\x95 Bengali\"") + ", " + Theme("Z", kFive) + "}");
  ASSERT_TRUE(contents.syntaxError.empty());
  ASSERT_EQ(contents.themes.size(), 4u);
  EXPECT_EQ(contents.themes[0].id, u"Z");
  EXPECT_EQ(contents.themes[1].id, u"a_theme");
  EXPECT_EQ(contents.themes[1].name, u"Ay");
  EXPECT_EQ(contents.themes[2].id, u"b_theme");
  EXPECT_EQ(contents.themes[3].id, u"\u0995");
  EXPECT_EQ(contents.themes[3].name, u"\u0995 Bengali");
  const ThemeColors& colors = contents.themes[0].colors;
  EXPECT_EQ(colors.windowBackground, 0xFF010203u);
  EXPECT_EQ(colors.border, 0xFF040506u);
  EXPECT_EQ(colors.text, 0xFF070809u);
  EXPECT_EQ(colors.highlightBackground, 0xFF0A141Eu);
  EXPECT_EQ(colors.highlightText, 0xFF28323Cu);
}

TEST(ThemeFileReaderTest, SelectionBarFallsBackToTheHighlight) {
  struct Case {
    const char* bar;
    uint32_t color;
  };
  const Case kCases[] = {
      {"", 0xFF0A141E},
      {", \"selectionBar\": [9, 9]", 0xFF0A141E},
      {", \"selectionBar\": [9, 9, 9, 9]", 0xFF0A141E},
      {", \"selectionBar\": null", 0xFF0A141E},
      {", \"selectionBar\": [232, 122, 86]", 0xFFE87A56},
  };
  for (const Case& c : kCases) {
    ThemeFileContents contents =
        ThemeFileReader::Read("{" + Theme("t", std::string(kFive) + c.bar) + "}");
    ASSERT_EQ(contents.themes.size(), 1u) << c.bar;
    EXPECT_EQ(contents.themes[0].colors.selectionBar, c.color) << c.bar;
  }
}

TEST(ThemeFileReaderTest, WhatIsNotAnObjectOfThemes) {
  struct Case {
    const char* text;
    bool syntaxError;
    bool notAnObject;
  };
  const Case kCases[] = {
      {"", true, false},
      {"{\"a\": ", true, false},
      {"null", false, false},
      // The input method reads themes only from an object, so an array is
      // no list of themes "0", "1"... here either.
      {"[{\"theme_name\": \"x\"}]", false, true},
      {"\"lutem_light\"", false, true},
      {"42", false, true},
      {"true", false, true},
  };
  for (const Case& c : kCases) {
    ThemeFileContents contents = ThemeFileReader::Read(c.text);
    EXPECT_EQ(!contents.syntaxError.empty(), c.syntaxError) << c.text;
    EXPECT_EQ(contents.notAnObject, c.notAnObject) << c.text;
    EXPECT_TRUE(contents.themes.empty()) << c.text;
    EXPECT_TRUE(contents.problems.empty()) << c.text;
  }
  // Whatever follows the first value is not read.
  ThemeFileContents trailing = ThemeFileReader::Read("{" + Theme("t", kFive) + "} trailing {");
  EXPECT_TRUE(trailing.syntaxError.empty());
  EXPECT_EQ(trailing.themes.size(), 1u);
}

TEST(ThemeFileReaderTest, ThemesThatBreakTheRulesAreLeftOutAndNamed) {
  const std::string kBroken[] = {
      "\"not_object\": [1, 2, 3]",
      Theme("no_name", kFive, "null"),
      Theme("number_name", kFive, "5"),
      "\"no_colors\": {\"theme_name\": \"x\"}",
      "\"colors_array\": {\"theme_name\": \"x\", \"colors\": [1]}",
      Theme("short_border",
            "\"windowBackground\": [1, 2, 3], \"border\": [4, 5], \"text\": [7, 8, 9], "
            "\"highlightBackground\": [10, 20, 30], \"highlightText\": [40, 50, 60]"),
      Theme("missing_text",
            "\"windowBackground\": [1, 2, 3], \"border\": [4, 5, 6], "
            "\"highlightBackground\": [10, 20, 30], \"highlightText\": [40, 50, 60]"),
      Theme("string_element", std::string(kFive) + ", \"selectionBar\": [1, \"2\", 3]"),
  };
  std::string file = "{" + Theme("good", kFive);
  for (const std::string& broken : kBroken) file += ", " + broken;
  file += "}";
  ThemeFileContents contents = ThemeFileReader::Read(file);
  ASSERT_EQ(contents.themes.size(), 1u);
  EXPECT_EQ(contents.themes[0].id, u"good");
  ASSERT_EQ(contents.problems.size(), std::size(kBroken));
  for (const ThemeProblem& problem : contents.problems) EXPECT_FALSE(problem.reason.empty());
  EXPECT_EQ(contents.problems[0].id, u"colors_array");  // byte order, as the themes
}

}  // namespace
