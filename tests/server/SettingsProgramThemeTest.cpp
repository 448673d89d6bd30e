// From the settings program to an open candidate window, end to end: the
// user chooses a theme in the program's dialog; the program writes
// "ThemeID" and posts the theme message; the window asks the settings
// server (the real one, reading the same registry) for the id, reloads the
// theme file and repaints in the new colours. The window is opened by its
// class, as the candidate list opens it, on the host's thread. Stand-in
// only: it drives the stand-in's desktop.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "ServerProcess.h"
#include "host/gdi32/Picture.h"
#include "host/kernel32/Programs.h"
#include "host/user32/Dialogs.h"
#include "service/candidate/ThemeManager.h"
#include "service/settings/ProcessSettings.h"
#include "support/CandidateWindowFixture.h"
#include "support/TempSystemRoot.h"

namespace {

using namespace candidate_window_testing;

const char16_t kInstallRoot[] = u"C:\\Program Files (x86)\\Hollin\\Lutem Keyboard";

class SettingsProgramThemeTest : public CandidateWindowTest {
 protected:
  SettingsProgramThemeTest() {
    std::string install = root_.path() + "/Program Files (x86)/Hollin/Lutem Keyboard";
    std::filesystem::create_directories(install + "/UI");
    std::filesystem::copy_file(LUTEM_SHIPPED_THEMES, install + "/UI/themes.dov");
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Hollin\\Lutem Keyboard", 0, nullptr,
                    REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExW(key, u"rootDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(kInstallRoot),
                   sizeof kInstallRoot);
    RegCloseKey(key);
    rootDir = kInstallRoot;
    ThemeID = u"lutem_light";
  }
  ~SettingsProgramThemeTest() override {
    rootDir = savedRoot_;
    ThemeID = savedId_;
    ThemeUpdateColors = ThemeColors();
  }

  // A pixel of an empty row, in the window's background.
  uint32_t BackgroundPixel() const {
    const int h = static_cast<int>(window_->ItemHeight());
    return Picture().At(60, 2 + 5 * h + h / 2);
  }

  // For looking at: the pictures go to LUTEM_PICTURE_DIR when it is set.
  static void Keep(const host::Picture& picture, const std::string& name) {
    if (const char* folder = std::getenv("LUTEM_PICTURE_DIR"))
      host::WritePng(picture, std::string(folder) + "/" + name + ".png");
  }

  TempSystemRoot root_;

 private:
  std::u16string savedRoot_ = rootDir;
  std::u16string savedId_ = ThemeID;
};

TEST_F(SettingsProgramThemeTest, ChoosingAThemeInTheProgramRepaintsTheOpenCandidateWindow) {
  ServerProcess server;
  ASSERT_TRUE(server.Start());
  Open();
  Fill(Numbered(3));
  EXPECT_EQ(BackgroundPixel(), ThemeColors::kDefaultWindowBackground);
  Keep(Picture(), "candidate-window-before");

  host::ProgramStart start;
  start.imageFile = LUTEM_SETTINGS_IMAGE;
  start.path = std::u16string(kInstallRoot) + u"\\LutemSettings.exe";
  DWORD program = host::StartProgram(start);
  ASSERT_NE(program, 0u);
  ASSERT_EQ(host::WaitForInputIdle(program, 20000), host::ProgramWait::Idle);
  HWND dialog = host::ActiveDialog(host::ProgramMainThread(program));
  ASSERT_NE(dialog, nullptr);
  std::optional<host::DialogInfo> settings = host::DescribeDialog(dialog);
  int dark = -1;
  for (const host::ControlInfo& control : settings->controls)
    for (size_t i = 0; i < control.items.size(); ++i)
      if (control.items[i] == u"Lutem Dark") dark = static_cast<int>(i);
  ASSERT_GE(dark, 0);

  ASSERT_TRUE(host::ChooseComboItem(dialog, 1001, dark));
  // Waiting pumps this thread: the window takes the message, asks the
  // server and repaints.
  ASSERT_EQ(host::WaitForInputIdle(program, 20000), host::ProgramWait::Idle);
  EXPECT_EQ(ThemeID.Get(), u"lutem_dark");
  EXPECT_EQ(BackgroundPixel(), 0xFF202124u);
  EXPECT_EQ(window_->Colors(), ThemeUpdateColors);
  Keep(Picture(), "candidate-window-after");
  settings = host::DescribeDialog(dialog);
  for (const host::ControlInfo& control : settings->controls)
    if (control.id == 1004) Keep(*host::ControlPicture(control.window), "settings-preview");

  ASSERT_TRUE(host::ClickCloseBox(dialog));
  EXPECT_EQ(host::WaitForProgramExit(program), 0);
}

}  // namespace
#endif
