// The preview of the candidate window in the selected theme's colours.
#include "SettingsProgram.h"
#include "host/gdi32/Picture.h"

namespace settings_program {
namespace {

// Control 1004 is 132 x 95 dialog units: 198 x 154 pixels. The panel,
// 145 x 128, is centred: x from 26.5, y from 13; the selected third row's
// highlight runs from x 30.5 to 167.5 and y 79 to 105, its bar over
// x 30.5 to 33.5 and y 83 to 101.
constexpr uint32_t kFace = 0xFFF0F0F0;

const char kColors[] =
    "\"windowBackground\": [10, 20, 30], \"border\": [250, 0, 0], \"text\": [0, 250, 0], "
    "\"highlightBackground\": [0, 0, 250], \"highlightText\": [250, 250, 0]";

struct PreviewTest : SettingsProgramTest {
  host::Picture Preview() {
    std::optional<host::Picture> picture = host::ControlPicture(Control(1004).window);
    EXPECT_TRUE(picture);
    return picture ? *picture : host::Picture{};
  }
  // Whether some pixel of the rectangle has this colour, each channel
  // within tolerance (for antialiased lines).
  static bool Shows(const host::Picture& picture, RECT area, uint32_t color, int tolerance = 0) {
    auto near = [&](uint32_t pixel) {
      for (int shift : {0, 8, 16, 24}) {
        int a = static_cast<int>((pixel >> shift) & 0xFF);
        int b = static_cast<int>((color >> shift) & 0xFF);
        if (a - b > tolerance || b - a > tolerance) return false;
      }
      return true;
    };
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if (near(picture.At(x, y))) return true;
    return false;
  }
};

TEST_F(PreviewTest, NoSelectedThemeLeavesThePreviewUnpainted) {
  SetRootDir();
  InstallShippedThemes();
  Start();
  host::Picture picture = Preview();
  ASSERT_EQ(picture.width, 198);
  ASSERT_EQ(picture.height, 154);
  for (uint32_t pixel : picture.pixels) ASSERT_EQ(pixel, kFace);
}

TEST_F(PreviewTest, ThePanelInTheThemesColours) {
  SetRootDir();
  InstallThemes(std::string("{\"t\": {\"theme_name\": \"T\", \"colors\": {") + kColors +
                ", \"selectionBar\": [250, 0, 250]}}}");
  SetText(u"ThemeID", u"t");
  Start();
  host::Picture picture = Preview();
  ASSERT_EQ(picture.width, 198);
  EXPECT_EQ(picture.At(3, 3), kFace) << "around the panel";
  EXPECT_EQ(picture.At(160, 45), 0xFF0A141Eu) << "the panel";
  EXPECT_EQ(picture.At(160, 100), 0xFF0000FAu) << "the selected row";
  EXPECT_EQ(picture.At(32, 92), 0xFFFA00FAu) << "the selection bar";
  EXPECT_TRUE(Shows(picture, RECT{36, 17, 150, 47}, 0xFF00FA00u)) << "text of the first row";
  EXPECT_TRUE(Shows(picture, RECT{36, 79, 150, 105}, 0xFFFAFA00u)) << "text of the selected row";
  EXPECT_TRUE(Shows(picture, RECT{168, 40, 175, 60}, 0xFFFA0000u, 40)) << "the border";
  EXPECT_FALSE(Shows(picture, RECT{0, 0, 198, 10}, 0xFFFA0000u, 40)) << "nothing above the panel";
}

TEST_F(PreviewTest, WithoutItsOwnSelectionBarTheBarTakesTheHighlight) {
  SetRootDir();
  InstallThemes(std::string("{\"t\": {\"theme_name\": \"T\", \"colors\": {") + kColors +
                ", \"selectionBar\": [1, 2]}}}");
  SetText(u"ThemeID", u"t");
  Start();
  EXPECT_EQ(Preview().At(32, 92), 0xFF0000FAu);
}

TEST_F(PreviewTest, ChoosingAnotherThemeRepaintsThePreview) {
  SetRootDir();
  InstallShippedThemes();
  Start();
  Choose(0);  // Lutem Dark
  EXPECT_EQ(Preview().At(160, 45), 0xFF202124u);
  Choose(1);  // Lutem Light
  EXPECT_EQ(Preview().At(160, 45), 0xFFF2F2F7u);
  EXPECT_EQ(Preview().At(32, 92), 0xFFE87A56u);
}

}  // namespace
}  // namespace settings_program
