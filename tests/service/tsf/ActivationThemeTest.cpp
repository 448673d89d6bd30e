// The text service reads its theme at every activation, after the settings
// and before anything is advised: the colours of the theme the settings
// name, or the defaults. The thread manager is the stand-in's, so these run
// here only.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/SystemRoot.h"
#include "host/msctf/Profiles.h"
#include "host/msctf/TsfApplication.h"
#include "service/module/TextServiceGuids.h"
#include "service/settings/ProcessSettings.h"
#include "service/settings/SettingsSync.h"
#include "service/tsf/LutemIME.h"
#include "support/TempSystemRoot.h"

namespace {

class ActivationThemeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::SetDefaultProfile(0x0845, GUID_TFCAT_TIP_KEYBOARD, CLSID_TextService,
                            GUID_KeyboardProfile);
    ASSERT_EQ(LutemIME::CreateInstance(nullptr, IID_ITfTextInputProcessorEx,
                                       reinterpret_cast<void**>(&processor_)),
              S_OK);
    LoadSettings();  // no server: the default installation root
    themeFile_ = platform::HostPathFromWindowsPath(rootDir.Get() + u"\\UI\\themes.dov");
    std::filesystem::create_directories(std::filesystem::path(themeFile_).parent_path());
  }
  void TearDown() override {
    processor_->Release();
    host::ClearDefaultProfiles();
  }

  ThemeColors Activate() {
    EXPECT_EQ(app_.ActivateTextService(CLSID_TextService, processor_), S_OK);
    ThemeColors colors = static_cast<LutemIME*>(processor_)->themeColors;
    app_.DeactivateTextService(CLSID_TextService);
    return colors;
  }

  TempSystemRoot root_;
  host::TsfApplication app_;
  ITfTextInputProcessorEx* processor_ = nullptr;
  std::string themeFile_;
};

TEST_F(ActivationThemeTest, EachActivationReadsTheThemeFileAgain) {
  std::ofstream(themeFile_) << R"({"lutem_light": {"colors": {
      "windowBackground": [1, 2, 3], "border": [4, 5, 6], "text": [7, 8, 9],
      "highlightBackground": [10, 11, 12], "highlightText": [13, 14, 15],
      "selectionBar": [16, 17, 18]}}})";
  ThemeColors colors = Activate();
  EXPECT_EQ(colors.windowBackground, 0xFF010203u);
  EXPECT_EQ(colors.border, 0xFF040506u);
  EXPECT_EQ(colors.text, 0xFF070809u);
  EXPECT_EQ(colors.highlightBackground, 0xFF0A0B0Cu);
  EXPECT_EQ(colors.highlightText, 0xFF0D0E0Fu);
  EXPECT_EQ(colors.selectionBar, 0xFF101112u);

  std::filesystem::remove(themeFile_);
  colors = Activate();
  EXPECT_TRUE(colors == ThemeColors()) << "no file: the six defaults";
}

}  // namespace

#endif  // _WIN32
