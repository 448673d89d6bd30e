#include <gtest/gtest.h>

#include <algorithm>

#include "support/GdiplusCanvas.h"
#include "host/FailureSwitch.h"
#include "host/gdiplus/GdiplusCalls.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using testing_gdiplus::Canvas;

namespace {

struct RecordTest : testing_gdiplus::GdiplusTest {
  void TearDown() override {
    host::ClearFailures();
    GdiplusTest::TearDown();
  }
};

bool IsLive(const void* object) {
  auto live = host::LiveGdiplusObjects();
  return std::any_of(live.begin(), live.end(), [object](const host::GdiplusObjectRecord& r) {
    return r.id == reinterpret_cast<uintptr_t>(object);
  });
}

TEST_F(RecordTest, CallsComeBackWithTheirArguments) {
  Canvas canvas(60, 40);
  uint64_t mark = host::GdiplusMark();
  GpPath* path = nullptr;
  GpSolidFill* brush = nullptr;
  GdipCreatePath(FillModeAlternate, &path);
  GdipCreateSolidFill(0xFF007AFF, &brush);
  GdipAddPathArc(path, 5, 4, 8, 8, 180, 90);
  GdipAddPathRectangle(path, 1, 2, 3, 4);
  GdipClosePathFigure(path);
  GdipFillPath(canvas.graphics, brush, path);
  GpFont* font = nullptr;
  GpFontFamily* family = nullptr;
  GdipGetGenericFontFamilySansSerif(&family);
  GdipCreateFont(family, 16, FontStyleBold, UnitPixel, &font);
  GpStringFormat* format = nullptr;
  GdipCreateStringFormat(0, 0, &format);
  GdipSetStringFormatLineAlign(format, StringAlignmentCenter);
  GdipSetStringFormatTrimming(format, StringTrimmingEllipsisCharacter);
  RectF box(30, 0, 25, 30);
  GdipDrawString(canvas.graphics, u"\u0986\u09AE\u09BFxyz", 4, font, &box, format, brush);

  auto fills = host::GdiplusCallsNamed("GdipFillPath", mark);
  ASSERT_EQ(fills.size(), 1u);
  const host::GdiplusCall& fill = fills[0];
  EXPECT_EQ(fill.status, Ok);
  EXPECT_EQ(fill.graphics, reinterpret_cast<uintptr_t>(canvas.graphics));
  EXPECT_EQ(fill.color, 0xFF007AFFu);
  ASSERT_EQ(fill.path.size(), 3u);
  EXPECT_EQ(fill.path[0].kind, "arc");
  EXPECT_EQ(fill.path[0].values, (std::vector<float>{5, 4, 8, 8, 180, 90}));
  EXPECT_EQ(fill.path[1].kind, "rectangle");
  EXPECT_EQ(fill.path[2].kind, "close");

  auto draws = host::GdiplusCallsNamed("GdipDrawString", mark);
  ASSERT_EQ(draws.size(), 1u);
  const host::GdiplusCall& draw = draws[0];
  EXPECT_EQ(draw.text, u"\u0986\u09AE\u09BFx");
  EXPECT_EQ(draw.values, (std::vector<float>{30, 0, 25, 30}));
  EXPECT_EQ(draw.color, 0xFF007AFFu);
  ASSERT_TRUE(draw.font && draw.format);
  EXPECT_EQ(draw.font->face, "DejaVu Sans");
  EXPECT_EQ(draw.font->style, FontStyleBold);
  EXPECT_EQ(draw.format->align, StringAlignmentNear);
  EXPECT_EQ(draw.format->lineAlign, StringAlignmentCenter);
  EXPECT_EQ(draw.format->trimming, StringTrimmingEllipsisCharacter);

  // Nothing before the mark, everything after it in order.
  auto all = host::GdiplusCallsSince(mark);
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all.front().name, "GdipCreatePath");
  EXPECT_EQ(all.back().name, "GdipDrawString");
  EXPECT_TRUE(host::GdiplusCallsSince(host::GdiplusMark()).empty());

  GdipDeleteStringFormat(format);
  GdipDeleteFont(font);
  GdipDeleteBrush(brush);
  GdipDeletePath(path);
}

TEST_F(RecordTest, LeftoverObjectsAreListedAndDeletedOnesRefused) {
  GpSolidFill* brush = nullptr;
  GpPen* pen = nullptr;
  GdipCreateSolidFill(0xFF000000, &brush);
  GdipCreatePen1(0xFF000000, 1.6f, UnitWorld, &pen);
  EXPECT_TRUE(IsLive(brush));
  EXPECT_TRUE(IsLive(pen));
  EXPECT_EQ(GdipDeleteBrush(brush), Ok);
  EXPECT_FALSE(IsLive(brush));
  // A deleted object, or one of another kind, is refused rather than followed.
  EXPECT_EQ(GdipDeleteBrush(brush), InvalidParameter);
  EXPECT_EQ(GdipDeleteBrush(reinterpret_cast<GpBrush*>(pen)), InvalidParameter);
  Canvas canvas(4, 4);
  EXPECT_EQ(GdipFillRectangle(canvas.graphics, brush, 0, 0, 1, 1), InvalidParameter);
  EXPECT_EQ(GdipDeletePen(pen), Ok);

  // The generic family is the process's own and is never listed.
  GpFontFamily* generic = nullptr;
  GdipGetGenericFontFamilySansSerif(&generic);
  EXPECT_FALSE(IsLive(generic));
  EXPECT_EQ(GdipDeleteFontFamily(generic), Ok);
  GpFontFamily* again = nullptr;
  GdipGetGenericFontFamilySansSerif(&again);
  EXPECT_EQ(again, generic);
}

TEST_F(RecordTest, FailureSwitchReachesEachCall) {
  GpFontFamily* family = nullptr;
  GdipGetGenericFontFamilySansSerif(&family);
  host::FailCall("GdipCreateFont");
  GpFont* font = reinterpret_cast<GpFont*>(1);
  EXPECT_EQ(GdipCreateFont(family, 16, FontStyleBold, UnitPixel, &font), OutOfMemory);
  EXPECT_EQ(GdipCreateFont(family, 16, FontStyleBold, UnitPixel, &font), Ok);
  GdipDeleteFont(font);

  HDC screen = GetDC(nullptr);
  host::FailCall("GdipCreateFromHDC");
  GpGraphics* graphics = nullptr;
  EXPECT_EQ(GdipCreateFromHDC(screen, &graphics), OutOfMemory);
  // A display DC gives a graphics for measuring, with nothing to draw on.
  ASSERT_EQ(GdipCreateFromHDC(screen, &graphics), Ok);
  RectF bounds(1, 1, 1, 1);
  GdipGetVisibleClipBounds(graphics, &bounds);
  EXPECT_EQ(bounds.Width, 0);
  host::FailCall("GdipFillRectangle");
  GpSolidFill* brush = nullptr;
  GdipCreateSolidFill(0xFF000000, &brush);
  EXPECT_EQ(GdipFillRectangle(graphics, brush, 0, 0, 1, 1), GenericError);
  GdipDeleteBrush(brush);
  GdipDeleteGraphics(graphics);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(GdipCreateFromHDC(nullptr, &graphics), OutOfMemory);
}

}  // namespace
