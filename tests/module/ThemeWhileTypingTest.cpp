// A theme chosen in the settings program while the user types: the program
// stores "ThemeID" and posts the theme message to the first candidate
// window; the window shows the new colours, and so do the lists that follow
// in the same session, the next key's and the next word's.
#include <gmock/gmock.h>

#include "TypingFixture.h"
#include "common/CandidateWindowNames.h"
#include "common/ThemeColors.h"
#include "host/user32/LayeredPicture.h"

namespace {

constexpr uint32_t kDarkBackground = 0xFF202124;  // lutem_dark's window background

class ThemeWhileTypingTest : public TypingFixture {
 protected:
  // Below the last row, inside the border: the panel's colour.
  static uint32_t PanelColor() {
    std::optional<host::WindowInfo> window = CandidateWindow();
    if (!window || !window->visible) return 0;
    std::optional<host::LayeredPicture> shown = host::LayeredPictureOf(window->window);
    if (!shown) return 0;
    return shown->picture.At(shown->picture.width / 2, shown->picture.height - 4);
  }
  // What the settings program does once it has stored the choice.
  void ChooseThemeInTheSettingsProgram(const std::u16string& themeId) {
    server_.Store(u"ThemeID", themeId);
    const UINT message = RegisterWindowMessageW(
        AsWchar(std::u16string(CandidateWindowNames::themeUpdateMessage).c_str()));
    HWND first = FindWindowW(AsWchar(std::u16string(CandidateWindowNames::windowClass).c_str()),
                             nullptr);
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(PostMessageW(first, message, 0, 0));
    host::PumpMessages();
  }
};

TEST_P(ThemeWhileTypingTest, TheNewThemeStaysForTheNextKeysAndTheNextWord) {
  InstallShippedThemes(u"lutem_light");
  Start(1);
  Type(u"ami");
  EXPECT_EQ(PanelColor(), ThemeColors::kDefaultWindowBackground);

  ChooseThemeInTheSettingsProgram(u"lutem_dark");
  EXPECT_EQ(PanelColor(), kDarkBackground) << std::hex << PanelColor();
  Type(u"k");
  EXPECT_EQ(PanelColor(), kDarkBackground) << std::hex << PanelColor() << ": the next key";
  Press("Enter");
  ASSERT_EQ(CandidateWindow(), std::nullopt);
  Type(u"ami");
  EXPECT_EQ(PanelColor(), kDarkBackground) << std::hex << PanelColor() << ": the next word";
}

INSTANTIATE_TEST_SUITE_P(Grants, ThemeWhileTypingTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
