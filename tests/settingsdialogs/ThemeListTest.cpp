// The theme list from the theme file, its failures, and the announcement
// of a new theme to the input method's candidate window.
#include "SettingsProgram.h"
#include "host/user32/MessageLog.h"

namespace settings_program {
namespace {

std::string Theme(const std::string& id, const std::string& name) {
  return "\"" + id + "\": {\"theme_name\": \"" + name +
         "\", \"colors\": {\"windowBackground\": [1, 2, 3], \"border\": [4, 5, 6], "
         "\"text\": [7, 8, 9], \"highlightBackground\": [10, 20, 30], "
         "\"highlightText\": [40, 50, 60]}}";
}

TEST_F(SettingsProgramTest, ThemesAreListedInTheOrderOfTheirIds) {
  SetRootDir();
  InstallThemes("{" + Theme("b_theme", "Bee") + ",\r\n" + Theme("a_theme", "Ay") + "}");
  SetText(u"ThemeID", u"b_theme");
  Start();
  host::ControlInfo themes = Control(1001);
  EXPECT_EQ(themes.items, (std::vector<std::u16string>{u"Ay", u"Bee"}));
  EXPECT_EQ(themes.selection, 1);
  EXPECT_TRUE(host::MessageBoxes().empty());
}

TEST_F(SettingsProgramTest, AThemeIdOfAnotherCaseSelectsNothing) {
  SetRootDir();
  InstallShippedThemes();
  SetText(u"ThemeID", u"Lutem_Dark");
  Start();
  EXPECT_EQ(Control(1001).selection, CB_ERR);
}

TEST_F(SettingsProgramTest, ThemeFileFailuresAreReportedAndTheListStaysEmpty) {
  struct Case {
    const char* name;
    std::optional<std::string> file;  // nothing: no file at all
    std::u16string text;
    std::u16string caption;
    std::u16string log;  // the debug log's line, up to its details
  };
  const std::u16string kPath = std::u16string(kInstallRoot) + u"\\UI\\themes.dov";
  const Case kCases[] = {
      {"no file", std::nullopt, u"Could not open themes.json.\nPath: " + kPath, u"File Error",
       u"Error: Could not open themes.json at " + kPath},
      {"not JSON", std::string("{\"a\": "), u"Failed to parse themes.json. It might be corrupt.",
       u"JSON Error", u"Error: Failed to parse themes.json. Details: "},
      {"empty", std::string(), u"Failed to parse themes.json. It might be corrupt.", u"JSON Error",
       u"Error: Failed to parse themes.json. Details: "},
      {"an array", std::string("[{\"theme_name\": \"zero\"}]"),
       u"Could not read the themes in themes.json: it must hold one JSON object of themes.",
       u"JSON Error", u"Error: themes.json holds no object of themes."},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    SetUp();
    SetRootDir();
    std::filesystem::remove(InstallFolder() + "/UI/themes.dov");
    if (c.file) InstallThemes(*c.file);
    DWORD process = Start();
    EXPECT_TRUE(Control(1001, process).items.empty());
    std::vector<host::MessageBoxRecord> boxes = host::MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, c.text);
    EXPECT_EQ(boxes[0].caption, c.caption);
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_ICONERROR));
    std::u16string log = host::DebugOutputText();
    EXPECT_EQ(log.substr(0, c.log.size()), c.log);
    EXPECT_EQ(log.back(), u'\n');
    host::ClickCloseBox(Dialog(process));
    EXPECT_EQ(Exit(process), 0);
  }
}

TEST_F(SettingsProgramTest, ANullFileListsNothingAndSaysNothing) {
  SetRootDir();
  InstallThemes("null");
  Start();
  EXPECT_TRUE(Control(1001).items.empty());
  EXPECT_TRUE(host::MessageBoxes().empty());
}

TEST_F(SettingsProgramTest, ThemesThatBreakTheRulesAreLeftOutAndNamedOnce) {
  SetRootDir();
  InstallThemes("{" + Theme("good", "Good") +
                ", \"broken\": {\"theme_name\": 7}, \"list\": [1, 2, 3]}");
  Start();
  EXPECT_EQ(Control(1001).items, (std::vector<std::u16string>{u"Good"}));
  std::vector<host::MessageBoxRecord> boxes = host::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            u"These themes in themes.json could not be read and are not listed:\nbroken\nlist");
  EXPECT_EQ(boxes[0].caption, u"JSON Error");
  std::u16string log = host::DebugOutputText();
  EXPECT_NE(log.find(u"Error: Theme 'broken' in themes.json is left out: "), std::u16string::npos);
  EXPECT_NE(log.find(u"Error: Theme 'list' in themes.json is left out: "), std::u16string::npos);
}

// A stand-in for the input method's candidate window: it notes the theme
// id the registry holds when the announcement arrives.
std::u16string themeIdSeen;

LRESULT CALLBACK CandidateWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == RegisterWindowMessageW(u"LutemNativeThemeUpdateMsg")) {
    HKEY key = nullptr;
    WCHAR id[64] = {};
    DWORD size = sizeof id;
    RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key);
    RegQueryValueExW(key, u"ThemeID", nullptr, nullptr, reinterpret_cast<BYTE*>(id), &size);
    RegCloseKey(key);
    themeIdSeen = id;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(SettingsProgramTest, ChoosingAThemeSavesItThenTellsTheCandidateWindow) {
  SetRootDir();
  InstallShippedThemes();
  // No candidate window yet: the theme is saved and nothing is posted.
  Start();
  Choose(2);
  EXPECT_EQ(Text(u"ThemeID"), std::u16string(u"lutem_midnight", 15));
  EXPECT_FALSE(Value(u"CandidateWindow")) << "only the theme is written";

  WNDCLASSW registration{};
  registration.lpfnWndProc = CandidateWindowProc;
  registration.lpszClassName = u"LutemIME.CandidateWindow";
  WNDCLASSW existing{};
  if (!GetClassInfoW(nullptr, registration.lpszClassName, &existing)) RegisterClassW(&registration);
  HWND candidates = CreateWindowExW(WS_EX_TOPMOST, u"LutemIME.CandidateWindow", u"", WS_POPUP, 0, 0,
                                    100, 100, nullptr, nullptr, nullptr, nullptr);
  themeIdSeen.clear();
  Choose(0);
  EXPECT_EQ(themeIdSeen, u"lutem_dark");
  std::vector<host::LoggedMessage> log = host::MessageLog(candidates);
  ASSERT_FALSE(log.empty());
  EXPECT_TRUE(log.back().posted);
  EXPECT_EQ(log.back().wParam, 0u);
  EXPECT_EQ(log.back().lParam, 0);
  DestroyWindow(candidates);
}

}  // namespace
}  // namespace settings_program
