// The settings dialog and its registry store.
#include "SettingsProgram.h"

namespace settings_program {
namespace {

TEST_F(SettingsProgramTest, AnEmptyRegistryChecksEveryBoxAndSelectsNoTheme) {
  InstallShippedThemes();
  Start();
  std::optional<host::DialogInfo> dialog = Describe();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->title, u"Lutem Settings");
  EXPECT_EQ(dialog->templateName, u"#129");
  EXPECT_TRUE(dialog->exStyle & WS_EX_TOPMOST);
  for (int id : {1002, 1003, 1005}) EXPECT_EQ(Control(id).check, BST_CHECKED) << id;
  EXPECT_EQ(Control(1001).selection, CB_ERR);
  // Without "rootDir" there are no themes to offer.
  EXPECT_TRUE(Control(1001).items.empty());
  std::vector<host::MessageBoxRecord> boxes = host::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, u"Could not find the application's root directory.");
  EXPECT_EQ(boxes[0].caption, u"Configuration Error");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_ICONERROR));
  EXPECT_EQ(boxes[0].owner, nullptr);
  EXPECT_EQ(host::DebugOutputText(), u"Error: 'rootDir' not found in registry.\n");
  // Nothing was written by looking.
  EXPECT_FALSE(Value(u"SmartCorrection"));
  EXPECT_FALSE(Value(u"ThemeID"));
}

TEST_F(SettingsProgramTest, StoredFlagsCountOnlyAsDwords) {
  SetFlag(u"SmartCorrection", 0);
  SetFlag(u"SaveCandidates", 2);
  SetText(u"CandidateWindow", u"0");  // a DWORD stored as text
  Start();
  EXPECT_EQ(Control(1002).check, BST_UNCHECKED);
  EXPECT_EQ(Control(1005).check, BST_CHECKED);
  EXPECT_EQ(Control(1003).check, BST_CHECKED);
}

// While the dialog is open the user changes settings elsewhere (the
// language-bar menu, through the settings server, writes the same values):
// a click writes the one value it changed and leaves the others as stored.
TEST_F(SettingsProgramTest, AClickWritesOnlyTheValueItChanged) {
  InstallShippedThemes();
  SetRootDir();
  SetText(u"ThemeID", u"lutem_dark");
  Start();
  host::ControlInfo themes = Control(1001);
  ASSERT_EQ(themes.items,
            (std::vector<std::u16string>{u"Lutem Dark", u"Lutem Light", u"Midnight Teal"}));
  EXPECT_EQ(themes.selection, 0);
  struct Case {
    int id;
    const WCHAR* value;
  };
  const Case kCases[] = {
      {1002, u"SmartCorrection"}, {1005, u"SaveCandidates"}, {1003, u"CandidateWindow"}};
  for (const Case& c : kCases) {
    for (const Case& other : kCases) SetFlag(other.value, 7);
    SetText(u"ThemeID", u"changed elsewhere");
    Click(c.id);
    EXPECT_EQ(Control(c.id).check, BST_UNCHECKED);
    for (const Case& other : kCases)
      EXPECT_EQ(Flag(other.value), std::optional<DWORD>(other.id == c.id ? 0 : 7)) << other.value;
    EXPECT_EQ(Text(u"ThemeID"), std::u16string(u"changed elsewhere", 18));
  }

  for (const Case& c : kCases) SetFlag(c.value, 7);
  Choose(1);
  EXPECT_EQ(Text(u"ThemeID"), std::u16string(u"lutem_light", 12)) << "with its NUL";
  for (const Case& c : kCases) EXPECT_EQ(Flag(c.value), std::optional<DWORD>(7)) << c.value;
  // "rootDir" is read, never written.
  EXPECT_EQ(Text(u"rootDir"), std::u16string(kInstallRoot, std::size(kInstallRoot)));
}

TEST_F(SettingsProgramTest, WithoutAThemeSelectedAClickLeavesThemeIdAlone) {
  Start();
  Click(1003);
  EXPECT_EQ(Flag(u"CandidateWindow"), std::optional<DWORD>(0));
  EXPECT_FALSE(Value(u"SmartCorrection"));
  EXPECT_FALSE(Value(u"ThemeID"));
}

TEST_F(SettingsProgramTest, AKeyThatCannotBeOpenedLeavesDefaultsAndWritesNothing) {
  SetFlag(u"SmartCorrection", 0);
  host::FailCall("RegCreateKeyExW");  // the program's first call, before wWinMain
  Start();
  std::u16string log = host::DebugOutputText();
  EXPECT_EQ(log.substr(0, log.find(u'\n')),
            u"Error: Could not open or create registry key. Code: 5");
  EXPECT_EQ(Control(1002).check, BST_CHECKED);
  Click(1003);
  EXPECT_FALSE(Value(u"CandidateWindow"));
  EXPECT_EQ(Flag(u"SmartCorrection"), std::optional<DWORD>(0));
}

TEST_F(SettingsProgramTest, CloseEscapeAndTheCloseBoxOnlyClose) {
  struct Case {
    const char* name;
    bool (*act)(HWND);
  };
  const Case kCases[] = {
      {"Close", [](HWND d) { return host::ClickControl(d, IDOK); }},
      {"Enter", [](HWND d) { return host::PressDialogKey(d, VK_RETURN); }},
      {"Escape", [](HWND d) { return host::PressDialogKey(d, VK_ESCAPE); }},
      {"close box", [](HWND d) { return host::ClickCloseBox(d); }},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    DWORD process = Start();
    ASSERT_TRUE(c.act(Dialog(process)));
    EXPECT_EQ(Exit(process), 0);
    EXPECT_FALSE(Value(u"CandidateWindow")) << "closing saves nothing";
  }
}

}  // namespace
}  // namespace settings_program
