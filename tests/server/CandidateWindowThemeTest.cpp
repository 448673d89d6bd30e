// The theme message as the settings program sends it: posted to the
// candidate window found by its class; the window asks the settings server
// for the theme id, loads that theme, paints itself in it and announces it,
// so that the next candidate update of each text service keeps it. It
// drives the stand-in's desktop, so it is not built for Windows.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ScriptedServer.h"
#include "host/user32/MessagePump.h"
#include "service/candidate/ThemeManager.h"
#include "service/settings/ProcessSettings.h"
#include "support/CandidateWindowFixture.h"
#include "support/TempSystemRoot.h"

namespace {

using namespace candidate_window_testing;

constexpr uint32_t kDarkBackground = 0xFF202124;
constexpr uint32_t kDarkText = 0xFFE8E9ED;

class CandidateWindowThemeTest : public CandidateWindowTest {
 protected:
  CandidateWindowThemeTest() {
    const std::filesystem::path ui = std::filesystem::path(root_.path()) / "Lutem" / "UI";
    std::filesystem::create_directories(ui);
    std::ofstream(ui / "themes.dov") << R"({
      "lutem_light": {"colors": {"windowBackground": [242, 242, 247], "border": [209, 209, 214],
        "text": [0, 0, 0], "highlightBackground": [0, 122, 255],
        "highlightText": [255, 255, 255], "selectionBar": [232, 122, 86]}},
      "lutem_dark": {"colors": {"windowBackground": [32, 33, 36], "border": [72, 74, 80],
        "text": [232, 233, 237], "highlightBackground": [58, 108, 196],
        "highlightText": [255, 255, 255], "selectionBar": [244, 160, 72]}}
    })";
    rootDir = u"C:\\Lutem";
    ThemeID = u"lutem_light";
  }
  ~CandidateWindowThemeTest() override {
    rootDir = savedRoot_;
    ThemeID = savedId_;
    ThemeUpdateColors = ThemeColors();
  }

  static UINT ThemeMessage() {
    return RegisterWindowMessageW(AsWchar(CandidateWindowNames::themeUpdateMessage.data()));
  }

  uint32_t EmptyRowPixel() const {
    const int h = static_cast<int>(window_->ItemHeight());
    return Picture().At(60, 2 + 5 * h + h / 2);
  }

  TempSystemRoot root_;

 private:
  std::u16string savedRoot_ = rootDir;
  std::u16string savedId_ = ThemeID;
};

TEST_F(CandidateWindowThemeTest, ThemeMessageRepaintsTheOpenWindowAndAnnouncesTheTheme) {
  Open();
  Fill(Numbered(3));
  EXPECT_EQ(EmptyRowPixel(), ThemeColors::kDefaultWindowBackground);

  ScriptedServer server(Utf16Bytes(u"lutem_dark"));
  ASSERT_TRUE(server.ready());
  const HWND found = FindWindowW(AsWchar(CandidateWindowNames::windowClass.data()), nullptr);
  ASSERT_EQ(found, Hwnd());
  const UINT message = ThemeMessage();
  ASSERT_NE(message, 0u);
  const uint64_t mark = host::GdiplusMark();
  const uint64_t announcedBefore = LatestThemeAnnouncement();
  ASSERT_TRUE(PostMessageW(found, message, 0, 0));
  host::PumpMessages();

  std::vector<char> request = Utf16Bytes(u"LOAD ThemeID");
  request.insert(request.end(), {0, 0});
  EXPECT_EQ(server.Request(), request);
  EXPECT_EQ(ThemeID.Get(), u"lutem_dark");
  EXPECT_EQ(ThemeUpdateColors.windowBackground, kDarkBackground);
  EXPECT_EQ(window_->Colors(), ThemeUpdateColors);
  EXPECT_EQ(EmptyRowPixel(), kDarkBackground);
  const auto texts = host::GdiplusCallsNamed("GdipDrawString", mark);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[2].color, kDarkText);  // row 1's label; row 0 is selected

  // A text service that has seen no announcement since its activation (its
  // colours the defaults) takes this one at its next candidate update, so
  // the window it fills then stays dark.
  uint64_t seen = announcedBefore;
  ThemeColors serviceColors;
  ASSERT_TRUE(TakeNewerTheme(&seen, &serviceColors));
  EXPECT_EQ(seen, LatestThemeAnnouncement());
  EXPECT_EQ(serviceColors, ThemeUpdateColors);
  window_->SetColors(serviceColors);
  EXPECT_EQ(EmptyRowPixel(), kDarkBackground);
  EXPECT_FALSE(TakeNewerTheme(&seen, &serviceColors)) << "announced once";
}

TEST_F(CandidateWindowThemeTest, FailedRequestReloadsTheThemeItHad) {
  Open();
  Fill(Numbered(3));
  ThemeID = u"lutem_dark";  // chosen since the window took its colours
  SendMessageW(Hwnd(), ThemeMessage(), 0, 0);  // no server at all
  EXPECT_EQ(ThemeID.Get(), u"lutem_dark");
  EXPECT_EQ(EmptyRowPixel(), kDarkBackground);
}

}  // namespace
#endif
