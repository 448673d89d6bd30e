// From the settings program to the candidate window of a typing session,
// end to end: while a word is being typed the user opens the settings
// program and picks a dark theme; the program stores it and announces it,
// the window asks the settings server (the real one, reading what the
// program stored) and repaints; the next key's list and the next word's
// window are drawn in it too, whenever the application grants its locks.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "TypingFixture.h"
#include "common/ThemeColors.h"
#include "host/kernel32/Programs.h"
#include "host/user32/Dialogs.h"
#include "host/user32/LayeredPicture.h"
#include "server/ServerProcess.h"
#include "service/settings/SendSettingsCommand.h"

namespace {

const char16_t kInstallRoot[] = u"C:\\Program Files (x86)\\Hollin\\Lutem Keyboard";
constexpr uint32_t kDarkBackground = 0xFF202124;  // lutem_dark's window background

class SettingsProgramThemeSessionTest
    : public TextServiceFixture,
      public ::testing::WithParamInterface<host::EditSessionGrant> {
 protected:
  void SetUp() override {
    TextServiceFixture::SetUp();
    host::SetEditSessionGrant(GetParam());
  }
  void TearDown() override {
    host::SetEditSessionGrant(host::EditSessionGrant::Immediate);
    TextServiceFixture::TearDown();
  }
  // The installed themes and the root the settings program lists them from.
  void Install() {
    const std::string install = root_.path() + "/Program Files (x86)/Hollin/Lutem Keyboard";
    std::filesystem::create_directories(install + "/UI");
    std::filesystem::copy_file(LUTEM_SHIPPED_THEMES, install + "/UI/themes.dov");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, AsWchar(u"Software\\Hollin\\Lutem Keyboard"), 0,
                              nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, AsWchar(u"rootDir"), 0, REG_SZ, reinterpret_cast<const BYTE*>(kInstallRoot),
                   sizeof kInstallRoot);
    RegCloseKey(key);
  }
  void Type(const std::u16string& text) {
    for (char16_t unit : text) {
      host::TypeText(std::u16string(1, unit));
      host::PumpMessages();
    }
  }
  // Below the last row, inside the border: the panel's colour; 0 with no
  // window shown.
  static uint32_t PanelColor() {
    std::vector<HWND> windows = host::WindowsOfClass(u"LutemIME.CandidateWindow");
    if (windows.empty() || !IsWindowVisible(windows.back())) return 0;
    std::optional<host::LayeredPicture> shown = host::LayeredPictureOf(windows.back());
    if (!shown) return 0;
    return shown->picture.At(shown->picture.width / 2, shown->picture.height - 4);
  }
  // The user picks the theme of that name in the settings program and
  // closes it.
  void ChooseInTheSettingsProgram(const std::u16string& name) {
    host::ProgramStart start;
    start.imageFile = LUTEM_SETTINGS_IMAGE;
    start.path = std::u16string(kInstallRoot) + u"\\LutemSettings.exe";
    const DWORD program = host::StartProgram(start);
    ASSERT_NE(program, 0u);
    ASSERT_EQ(host::WaitForInputIdle(program, 20000), host::ProgramWait::Idle);
    HWND dialog = host::ActiveDialog(host::ProgramMainThread(program));
    ASSERT_NE(dialog, nullptr);
    const std::optional<host::DialogInfo> settings = host::DescribeDialog(dialog);
    ASSERT_TRUE(settings);
    int index = -1;
    for (const host::ControlInfo& control : settings->controls)
      for (size_t i = 0; i < control.items.size(); ++i)
        if (control.id == 1001 && control.items[i] == name) index = static_cast<int>(i);
    ASSERT_GE(index, 0) << "no theme of that name listed";
    ASSERT_TRUE(host::ChooseComboItem(dialog, 1001, index));
    // Waiting pumps this thread: the candidate window takes the message.
    ASSERT_EQ(host::WaitForInputIdle(program, 20000), host::ProgramWait::Idle);
    ASSERT_TRUE(host::ClickCloseBox(dialog));
    EXPECT_EQ(host::WaitForProgramExit(program), 0);
    host::PumpMessages();
  }
};

TEST_P(SettingsProgramThemeSessionTest, ADarkThemePickedWhileTypingIsDrawnFromThenOn) {
  Install();
  ServerProcess server;
  ASSERT_TRUE(server.Start());
  ASSERT_EQ(SendSettingsCommand(u"SAVE CurrentLayout 1"), u"OK");
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  Type(u"ami");
  EXPECT_EQ(PanelColor(), ThemeColors::kDefaultWindowBackground);

  ChooseInTheSettingsProgram(u"Lutem Dark");
  EXPECT_EQ(PanelColor(), kDarkBackground) << std::hex << PanelColor();
  Type(u"k");
  EXPECT_EQ(PanelColor(), kDarkBackground) << std::hex << PanelColor() << ": the next key";
  ASSERT_TRUE(host::PressChord("Enter"));
  host::PumpMessages();
  EXPECT_EQ(PanelColor(), 0u) << "the word is written, the window gone";
  Type(u"ami");
  EXPECT_EQ(PanelColor(), kDarkBackground) << std::hex << PanelColor() << ": the next word";
  EXPECT_EQ(Deactivate(), S_OK);
}

INSTANTIATE_TEST_SUITE_P(Grants, SettingsProgramThemeSessionTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
