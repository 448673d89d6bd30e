#include "service/candidate/ThemeManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "service/settings/ProcessSettings.h"
#include "support/MakeTempFolder.h"
#ifndef _WIN32
#include "support/TempSystemRoot.h"
#endif

namespace {

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kKeptBar = 0xFF123456;

// An installation root of its own for each test, named by rootDir as the
// settings load would: on drive C: here, a temporary folder on Windows.
class ThemeManagerTest : public ::testing::Test {
 protected:
  ThemeManagerTest() {
#ifdef _WIN32
    // Test processes run in parallel: a random name keeps them apart.
    folder_ = MakeTempFolder("lutem-theme-");
    std::filesystem::create_directories(folder_ / "UI");
    rootDir = folder_.u16string();
#else
    folder_ = std::filesystem::path(root_.path()) / "Lutem";
    std::filesystem::create_directories(folder_ / "UI");
    rootDir = u"C:\\Lutem";
#endif
    ThemeID = u"mine";
  }
  ~ThemeManagerTest() override {
    rootDir = savedRoot_;
    ThemeID = savedId_;
#ifdef _WIN32
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
#endif
  }

  void Write(const std::string& bytes) {
    std::ofstream(folder_ / "UI" / "themes.dov", std::ios::binary) << bytes;
  }

  // Loads into a record whose selection bar is kKeptBar and the rest defaults.
  ThemeColors Load() {
    ThemeColors colors;
    colors.selectionBar = kKeptBar;
    LoadTheme(colors);
    return colors;
  }

 private:
#ifndef _WIN32
  TempSystemRoot root_;
#endif
  std::filesystem::path folder_;
  std::u16string savedRoot_ = rootDir;
  std::u16string savedId_ = ThemeID;
};

ThemeColors AllRed(uint32_t bar) {
  ThemeColors colors;
  colors.windowBackground = colors.border = colors.text = kRed;
  colors.highlightBackground = colors.highlightText = kRed;
  colors.selectionBar = bar;
  return colors;
}

// A theme "mine" whose colors member is the given JSON text.
std::string Mine(const std::string& colors) {
  return R"({"mine": {"theme_name": "Mine", "colors": )" + colors + "}}";
}

TEST_F(ThemeManagerTest, WithoutAFileBothRecordsHoldTheDefaults) {
  ThemeColors colors = AllRed(kKeptBar);
  LoadTheme(colors);
  EXPECT_EQ(colors, ThemeColors());
  ThemeUpdateColors = AllRed(kKeptBar);
  LoadTheme(ThemeUpdateColors);
  EXPECT_EQ(ThemeUpdateColors, ThemeColors());
}

TEST_F(ThemeManagerTest, ColoursFollowTheValueRules) {
  const std::string full =
      R"("windowBackground": [1, 2, 3], "border": [4, 5, 6], "text": [7, 8, 9],
         "highlightBackground": [10, 11, 12], "highlightText": [13, 14, 15])";
  ThemeColors fullTheme;
  fullTheme.windowBackground = 0xFF010203;
  fullTheme.border = 0xFF040506;
  fullTheme.text = 0xFF070809;
  fullTheme.highlightBackground = 0xFF0A0B0C;
  fullTheme.highlightText = 0xFF0D0E0F;
  fullTheme.selectionBar = kKeptBar;
  ThemeColors withBar = fullTheme;
  withBar.selectionBar = 0xFF101112;

  struct Case {
    const char* name;
    std::string file;
    ThemeColors expected;
  } cases[] = {
      {"a whole theme", Mine("{" + full + R"(, "selectionBar": [16, 17, 18]})"), withBar},
      {"no selection bar keeps the record's", Mine("{" + full + "}"), fullTheme},
      {"only a selection bar", Mine(R"({"selectionBar": [0, 0, 0]})"), AllRed(0xFF000000)},
      {"no colors member", R"({"mine": {"theme_name": "Mine"}})", AllRed(kKeptBar)},
      {"a null theme", R"({"mine": null})", AllRed(kKeptBar)},
      {"a null colors member", Mine("null"), AllRed(kKeptBar)},
      {"low bytes of integers, truncated floats",
       Mine(R"({"windowBackground": [300, -1, 12.9], "border": [true, false, 1],
                "text": [-1.5, 255.99, 4294967301]})"),
       [] {
         ThemeColors c = AllRed(kKeptBar);
         c.windowBackground = 0xFF2CFF0C;
         c.border = 0xFF010001;
         c.text = 0xFFFFFF05;
         return c;
       }()},
      // Truncated, then the low byte of the whole value: 3000000001 is
      // 0xB2D05E01, -4294967041 is -0xFFFFFF01.
      {"numbers beyond 32 bits",
       Mine(R"({"windowBackground": [1e20, 3000000001.0, -4294967041.5]})"), [] {
         ThemeColors c = AllRed(kKeptBar);
         c.windowBackground = 0xFF0001FF;
         return c;
       }()},
      {"not three elements, or not an array",
       Mine(R"({"windowBackground": [255, 255], "border": [1, 2, 3, 4], "text": "#FFFFFF",
                "highlightBackground": null, "highlightText": {"r": 1}})"),
       AllRed(kKeptBar)},
      {"text after the object is not read", Mine("{" + full + "}") + " trailing ] garbage",
       fullTheme},
  };
  for (const Case& c : cases) {
    Write(c.file);
    EXPECT_EQ(Load(), c.expected) << c.name;
  }
}

TEST_F(ThemeManagerTest, AnythingUnreadableGivesTheDefaults) {
  struct Case {
    const char* name;
    std::string file;
  } cases[] = {
      {"empty file", ""},
      {"syntax error", R"({"mine": {"colors": {)"},
      {"no theme of that id", R"({"other": {"colors": {}}})"},
      {"an id differing in case", R"({"Mine": {"colors": {}}})"},
      {"top level not an object", R"([{"mine": {}}])"},
      {"a theme of the wrong type", R"({"mine": "dark"})"},
      {"colors of the wrong type", Mine("[1, 2, 3]")},
      {"an element that is a string", Mine(R"({"text": ["1", 2, 3]})")},
      {"an element that is null", Mine(R"({"selectionBar": [null, 2, 3]})")},
      {"nested far deeper than any theme", std::string(100000, '[')},
  };
  for (const Case& c : cases) {
    Write(c.file);
    EXPECT_EQ(Load(), ThemeColors()) << c.name;
  }
}

TEST_F(ThemeManagerTest, FileIsReadInTextMode) {
  const std::string crlf =
      "{\r\n \"mine\": {\r\n  \"colors\": {\r\n   \"selectionBar\": [1, 2, 3]\r\n  }\r\n }\r\n}\r\n";
  Write(crlf);
  EXPECT_EQ(Load(), AllRed(0xFF010203));

  // A byte 0x1A ends the input: what follows is never seen...
  Write(Mine(R"({"selectionBar": [1, 2, 3]})") + '\x1a' + "{{{ not json");
  EXPECT_EQ(Load(), AllRed(0xFF010203));
  // ...and a document it cuts short is a syntax error.
  Write(std::string(R"({"mine": )") + '\x1a' + R"({"colors": {}}})");
  EXPECT_EQ(Load(), ThemeColors());
}

TEST_F(ThemeManagerTest, ThemeIdIsMatchedAsUtf8) {
  ThemeID = u"\u09ac\u09be\u0982\u09b2\u09be";
  Write("{\"\xe0\xa6\xac\xe0\xa6\xbe\xe0\xa6\x82\xe0\xa6\xb2\xe0\xa6\xbe\": "
        "{\"colors\": {\"selectionBar\": [9, 9, 9]}}}");
  EXPECT_EQ(Load(), AllRed(0xFF090909));
}

TEST_F(ThemeManagerTest, ShippedThemesAreWholeAndTheDefaultIsTheBuiltInColours) {
  std::ifstream shipped(LUTEM_SHIPPED_THEMES, std::ios::binary);
  ASSERT_TRUE(shipped.good()) << LUTEM_SHIPPED_THEMES;
  const std::string text((std::istreambuf_iterator<char>(shipped)), std::istreambuf_iterator<char>());
  Write(text);
  const nlohmann::json themes = nlohmann::json::parse(text);
  ASSERT_GE(themes.size(), 2u);
  for (const auto& [id, theme] : themes.items()) {
    EXPECT_TRUE(theme.at("theme_name").is_string()) << id;
    EXPECT_EQ(theme.at("colors").size(), 6u) << id;
    ThemeID = std::u16string(id.begin(), id.end());
    const ThemeColors colors = Load();
    for (uint32_t color : {colors.windowBackground, colors.border, colors.text,
                           colors.highlightBackground, colors.highlightText, colors.selectionBar})
      EXPECT_NE(color, kRed) << id;
    EXPECT_NE(colors.selectionBar, kKeptBar) << id;
  }
  ThemeID = u"lutem_light";
  EXPECT_EQ(Load(), ThemeColors());
  ThemeID = u"lutem_dark";
  EXPECT_NE(Load(), ThemeColors());
}

}  // namespace
