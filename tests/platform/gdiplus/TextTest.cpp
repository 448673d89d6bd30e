#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/GdiplusCanvas.h"
#include "host/gdiplus/GdiplusCalls.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using testing_gdiplus::Canvas;
using testing_gdiplus::InkBox;

namespace {

const WCHAR kKa[] = u"\u0995";
const WCHAR kSsa[] = u"\u09B7";
const WCHAR kKssa[] = u"\u0995\u09CD\u09B7";  // the conjunct of the two

struct TextTest : testing_gdiplus::GdiplusTest {
  void SetUp() override {
    GdiplusTest::SetUp();
    ASSERT_EQ(GdipGetGenericFontFamilySansSerif(&family), Ok);
    ASSERT_EQ(GdipCreateFont(family, 16, FontStyleBold, UnitPixel, &font), Ok);
    ASSERT_EQ(GdipCreateSolidFill(0xFF000000, &black), Ok);
    ASSERT_EQ(GdipCreateStringFormat(0, 0, &format), Ok);
  }
  void TearDown() override {
    GdipDeleteStringFormat(format);
    GdipDeleteBrush(black);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(family);
    GdiplusTest::TearDown();
  }

  RectF Measure(GpGraphics* graphics, const WCHAR* text, RectF box = RectF(),
                GpStringFormat* with = nullptr, INT* fitted = nullptr, INT* lines = nullptr) {
    RectF measured;
    EXPECT_EQ(GdipMeasureString(graphics, text, -1, font, &box, with, &measured, fitted, lines), Ok);
    return measured;
  }

  GpFontFamily* family = nullptr;
  GpFont* font = nullptr;
  GpSolidFill* black = nullptr;
  GpStringFormat* format = nullptr;
};

TEST_F(TextTest, FontHeightIsTheLineSpacingAndLinesStackByIt) {
  Canvas canvas(10, 10);
  REAL height = 0;
  ASSERT_EQ(GdipGetFontHeight(font, canvas.graphics, &height), Ok);
  // DejaVu Sans: (ascent + descent) / em = (1901 + 483) / 2048.
  EXPECT_NEAR(height, 16 * 2384.0 / 2048, 0.5);
  RectF one = Measure(canvas.graphics, u"W");
  RectF two = Measure(canvas.graphics, u"W\nW");
  EXPECT_FLOAT_EQ(one.Height, height);
  EXPECT_FLOAT_EQ(two.Height, 2 * height);
  // A point is 96/72 of a pixel.
  GpFont* points = nullptr;
  ASSERT_EQ(GdipCreateFont(family, 12, FontStyleBold, UnitPoint, &points), Ok);
  REAL pointHeight = 0;
  GdipGetFontHeight(points, canvas.graphics, &pointHeight);
  EXPECT_FLOAT_EQ(pointHeight, height);
  GdipDeleteFont(points);
}

TEST_F(TextTest, MeasuredBoxHoldsWhatIsDrawn) {
  Canvas canvas(200, 40);
  GdipSetTextRenderingHint(canvas.graphics, TextRenderingHintAntiAliasGridFit);
  const WCHAR* text = u"Suggestion \u0986\u09AE\u09BF";
  RectF box(10, 5, 180, 30);
  GdipSetStringFormatLineAlign(format, StringAlignmentCenter);
  INT fitted = 0, lines = 0;
  RectF measured = Measure(canvas.graphics, text, box, format, &fitted, &lines);
  EXPECT_EQ(fitted, 14);
  EXPECT_EQ(lines, 1);
  ASSERT_EQ(GdipDrawString(canvas.graphics, text, -1, font, &box, format, black), Ok);
  InkBox ink = canvas.Ink();
  ASSERT_FALSE(ink.empty());
  EXPECT_GE(ink.left, measured.X);
  EXPECT_LE(ink.right, measured.X + measured.Width);
  // Pixel rows are centred on whole coordinates here; vowel signs above
  // the headline may reach into the row that straddles the box's top.
  EXPECT_GE(ink.top + 1, measured.Y);
  EXPECT_LE(ink.bottom, measured.Y + measured.Height);
  // A sixth of the em stays free before the text, and the line is centred.
  EXPECT_FLOAT_EQ(measured.X, 10);
  EXPECT_GE(ink.left, 10 + 16 / 6);
  EXPECT_NEAR(measured.Y + measured.Height / 2, 20, 0.01);
}

TEST_F(TextTest, BengaliIsShapedIntoConjuncts) {
  Canvas canvas(10, 10);
  // Each measure holds a third of an em of padding besides the glyphs.
  REAL pad = 16 / 3.0f;
  REAL ka = Measure(canvas.graphics, kKa).Width - pad;
  REAL ssa = Measure(canvas.graphics, kSsa).Width - pad;
  REAL kssa = Measure(canvas.graphics, kKssa).Width - pad;
  EXPECT_GT(ka, 4);
  EXPECT_GT(ssa, 4);
  EXPECT_LT(kssa, ka + ssa - 2);
}

TEST_F(TextTest, LongTextEndsInAnEllipsisInsideItsBox) {
  Canvas canvas(120, 40);
  GdipSetStringFormatTrimming(format, StringTrimmingEllipsisCharacter);
  GdipSetStringFormatLineAlign(format, StringAlignmentCenter);
  REAL height = 0;
  GdipGetFontHeight(font, canvas.graphics, &height);
  const WCHAR* text = u"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
  RectF box(10, 10, 80, height);
  INT fitted = 0, lines = 0;
  RectF measured = Measure(canvas.graphics, text, box, format, &fitted, &lines);
  EXPECT_EQ(lines, 1);
  EXPECT_GT(fitted, 0);
  EXPECT_LT(fitted, 30);
  EXPECT_LE(measured.X + measured.Width, 90);
  ASSERT_EQ(GdipDrawString(canvas.graphics, text, -1, font, &box, format, black), Ok);
  InkBox ink = canvas.Ink();
  ASSERT_FALSE(ink.empty());
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.right, 89);
  // The last glyph is the ellipsis: its dots sit low on the line, where a W
  // would reach the top of the capitals.
  int middle = (ink.top + ink.bottom) / 2;
  for (int y = ink.top; y < middle; ++y) EXPECT_EQ(canvas.Alpha(ink.right, y), 0) << y;
}

// The cut layouts are kept between draws, as the plain ones are: one kept
// for one box width is never drawn in another, and drawn again it gives the
// same pixels as the first time.
TEST_F(TextTest, ATextCutToTwoWidthsInTurnIsDrawnAsEachTheFirstTime) {
  GpStringFormat* oneLine = nullptr;
  ASSERT_EQ(GdipCreateStringFormat(StringFormatFlagsNoWrap, 0, &oneLine), Ok);
  GdipSetStringFormatTrimming(oneLine, StringTrimmingEllipsisCharacter);
  const WCHAR* text = u"\u0986\u09AE\u09BE\u09A6\u09C7\u09B0 WWWWWWWWWWWWWWWWWWWWWWWWWW";
  auto draw = [&](REAL width) {
    Canvas canvas(200, 30);
    const RectF box(5, 0, width, 30);
    EXPECT_EQ(GdipDrawString(canvas.graphics, text, -1, font, &box, oneLine, black), Ok);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 200; ++x) pixels.push_back(canvas.At(x, y));
    return pixels;
  };
  const std::vector<uint32_t> narrow = draw(90);
  const std::vector<uint32_t> wide = draw(150);
  EXPECT_NE(narrow, wide);
  EXPECT_EQ(draw(90), narrow);
  EXPECT_EQ(draw(150), wide);
  GdipDeleteStringFormat(oneLine);
}

TEST_F(TextTest, LinesWrapAndPartLinesShowUnlessLineLimit) {
  Canvas canvas(10, 10);
  REAL height = 0;
  GdipGetFontHeight(font, canvas.graphics, &height);
  const WCHAR* text = u"one two three four five six";
  RectF box(0, 0, 60, height * 1.5f);
  INT fitted = 0, lines = 0;
  Measure(canvas.graphics, text, box, format, &fitted, &lines);
  EXPECT_EQ(lines, 2);
  GpStringFormat* whole = nullptr;
  GdipCreateStringFormat(StringFormatFlagsLineLimit, 0, &whole);
  INT wholeFitted = 0;
  Measure(canvas.graphics, text, box, whole, &wholeFitted, &lines);
  EXPECT_EQ(lines, 1);
  EXPECT_LT(wholeFitted, fitted);
  GdipDeleteStringFormat(whole);

  GpStringFormat* noWrap = nullptr;
  GdipCreateStringFormat(StringFormatFlagsNoWrap, 0, &noWrap);
  Measure(canvas.graphics, text, box, noWrap, &fitted, &lines);
  EXPECT_EQ(lines, 1);
  GdipDeleteStringFormat(noWrap);
}

TEST_F(TextTest, FamiliesAreTheStandInsOwn) {
  struct Case {
    const char16_t* name;
    Status expected;
    const char* face;
  } cases[] = {
      {u"Selvu Sans Bangla", FontFamilyNotFound, ""},
      {u"Arial", FontFamilyNotFound, ""},
      {u"Segoe UI", Ok, "DejaVu Sans"},
      {u"dejavu sans", Ok, "DejaVu Sans"},
      {u"Lohit Bengali", Ok, "Lohit Bengali"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.face));
    GpFontFamily* found = reinterpret_cast<GpFontFamily*>(1);
    EXPECT_EQ(GdipCreateFontFamilyFromName(AsWchar(c.name), nullptr, &found), c.expected);
    if (c.expected != Ok) {
      EXPECT_EQ(found, nullptr);
      continue;
    }
    GpFont* made = nullptr;
    ASSERT_EQ(GdipCreateFont(found, 9, FontStyleRegular, UnitPoint, &made), Ok);
    Canvas canvas(10, 10);
    uint64_t mark = host::GdiplusMark();
    Measure(canvas.graphics, u"x");
    REAL h;
    GdipGetFontHeight(made, canvas.graphics, &h);
    auto calls = host::GdiplusCallsNamed("GdipGetFontHeight", mark);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].font->face, c.face);
    EXPECT_FLOAT_EQ(calls[0].font->pixelSize, 12);
    GdipDeleteFont(made);
    GdipDeleteFontFamily(found);
  }
  // Fonts need a size and a unit of length.
  GpFont* none = nullptr;
  EXPECT_EQ(GdipCreateFont(family, 0, FontStyleRegular, UnitPixel, &none), InvalidParameter);
  EXPECT_EQ(GdipCreateFont(family, 10, FontStyleRegular, UnitWorld, &none), InvalidParameter);
}

}  // namespace
