// Shapes and text drawn again as a window draws them at every paint (a
// rounded panel, a highlight, a bar, dots, labels and candidates, and the
// border over them) give exactly the pixels they give the first time on a
// picture where they were never drawn, whatever lies under them, top-down
// or bottom-up, smoothed or not.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "support/GdiplusCanvas.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using testing_gdiplus::Canvas;

namespace {

void RoundedPath(GpPath* path, REAL x, REAL y, REAL w, REAL h, REAL r) {
  const REAL d = 2 * r;
  GdipResetPath(path);
  GdipAddPathArc(path, x, y, d, d, 180, 90);
  GdipAddPathArc(path, x + w - d, y, d, d, 270, 90);
  GdipAddPathArc(path, x + w - d, y + h - d, d, d, 0, 90);
  GdipAddPathArc(path, x, y + h - d, d, d, 90, 90);
  GdipClosePathFigure(path);
}

struct Under {
  const char* what;
  ARGB clear;        // the picture cleared to this first
  bool shapeBefore;  // and a shape drawn where the others will overlap it
};

struct RepeatedShapeTest : testing_gdiplus::GdiplusTest,
                           ::testing::WithParamInterface<std::tuple<bool, bool>> {
  // The panel and what a window draws on it, at fixed places (the pictures
  // differ only in width, beyond the shapes).
  static void Paint(Canvas& canvas, const Under& under, bool smooth) {
    GpGraphics* g = canvas.graphics;
    GdipSetPixelOffsetMode(g, PixelOffsetModeHighQuality);
    GdipSetSmoothingMode(g, smooth ? SmoothingModeAntiAlias : SmoothingModeNone);
    GdipGraphicsClear(g, under.clear);
    GpPath* path = nullptr;
    GdipCreatePath(FillModeAlternate, &path);
    GpSolidFill *panel, *highlight, *bar, *dot;
    GdipCreateSolidFill(0xFFF2F2F7, &panel);
    GdipCreateSolidFill(0xFF007AFF, &highlight);
    GdipCreateSolidFill(0xFFE87A56, &bar);
    GdipCreateSolidFill(0x64000000, &dot);
    GpPen* border = nullptr;
    GdipCreatePen1(0xFFD1D1D6, 1.6f, UnitWorld, &border);
    if (under.shapeBefore) GdipFillEllipse(g, bar, 3.5f, 40.25f, 60, 30);
    RoundedPath(path, 0, 0, 180, 120, 9);
    GdipFillPath(g, panel, path);
    RoundedPath(path, 7.5f, 33, 160, 26, 6);
    GdipFillPath(g, highlight, path);
    GdipFillRectangle(g, bar, 7.5f, 48, 4.5f, 6.75f);
    GdipFillEllipse(g, bar, 159, 50, 12, 12);
    GdipFillEllipse(g, dot, 161.25f, 68.25f, 7.5f, 7.5f);
    // Rows of text as a window draws them: labels and candidates, one on
    // the highlight, one cut with an ellipsis.
    GpFontFamily* family = nullptr;
    GdipGetGenericFontFamilySansSerif(&family);
    GpFont* font = nullptr;
    GdipCreateFont(family, 16, FontStyleBold, UnitPixel, &font);
    GpStringFormat* format = nullptr;
    GdipCreateStringFormat(StringFormatFlagsNoWrap, 0, &format);
    GdipSetStringFormatLineAlign(format, StringAlignmentCenter);
    GdipSetStringFormatTrimming(format, StringTrimmingEllipsisCharacter);
    GpSolidFill *text, *selectedText;
    GdipCreateSolidFill(0xFF000000, &text);
    GdipCreateSolidFill(0xFFFFFFFF, &selectedText);
    const RectF label(10, 4, 15, 29), word(30, 4, 145, 29), selected(30, 33, 145, 26),
        cut(30, 80, 120, 29);
    GdipDrawString(g, u"1", 1, font, &label, format, text);
    GdipDrawString(g, u"\u0986\u09AE\u09BE\u09A6\u09C7\u09B0", 6, font, &word, format, text);
    GdipDrawString(g, u"\u0995\u09CD\u09B7\u09AE\u09BE", 5, font, &selected, format,
                   selectedText);
    GdipDrawString(g, u"amikhbsrtnlodgpeamikhbsrtnlodgpe", -1, font, &cut, format, text);
    GdipDeleteBrush(text);
    GdipDeleteBrush(selectedText);
    GdipDeleteStringFormat(format);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(family);
    RoundedPath(path, 0.3f, 0.3f, 178.4f, 118.4f, 9);
    GdipDrawPath(g, border, path);
    GdipDeletePen(border);
    GdipDeleteBrush(panel);
    GdipDeleteBrush(highlight);
    GdipDeleteBrush(bar);
    GdipDeleteBrush(dot);
    GdipDeletePath(path);
  }

  static size_t Differing(const Canvas& a, const Canvas& b) {
    size_t differing = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) differing += a.At(x, y) != b.At(x, y);
    return differing;
  }

  static constexpr int kWidth = 200;
  static constexpr int kHeight = 130;
};

TEST_P(RepeatedShapeTest, DrawnAgainTheyGiveThePixelsOfAFirstDrawing) {
  const bool topDown = std::get<0>(GetParam());
  const bool smooth = std::get<1>(GetParam());
  const Under unders[] = {
      {"transparent", 0x00000000, false},
      {"transparent again", 0x00000000, false},
      {"another colour", 0xFF336699, false},
      {"a shape under them", 0x00000000, true},
      {"transparent once more", 0x00000000, false},
  };
  // Each picture of a width no test drew at before is drawn by cairo from
  // scratch; the 200-pixel picture is drawn again and again.
  static int freshWidth = kWidth + 1;
  for (const Under& under : unders) {
    SCOPED_TRACE(under.what);
    Canvas first(++freshWidth, kHeight, topDown);
    Paint(first, under, smooth);
    for (int time = 1; time <= 3; ++time) {
      Canvas again(kWidth, kHeight, topDown);
      Paint(again, under, smooth);
      EXPECT_EQ(Differing(again, first), 0u) << "time " << time;
      EXPECT_NE(again.At(100, 45), 0u) << "drawn";
    }
  }
}

// Windows of several UI threads paint at once: each picture is the one a
// first drawing gives.
TEST_F(RepeatedShapeTest, ThreadsDrawingTheSameShapesAtOnceEachGetTheirPixels) {
  const Under unders[] = {{"transparent", 0x00000000, false}, {"coloured", 0xFF102030, false}};
  std::vector<Canvas*> references;
  for (const Under& under : unders) {
    references.push_back(new Canvas(kWidth + 500 + static_cast<int>(references.size()), kHeight));
    Paint(*references.back(), under, true);
  }
  std::vector<size_t> differing(8, 0);
  std::vector<std::thread> threads;
  for (size_t t = 0; t < differing.size(); ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 20; ++round) {
        const size_t which = (t + static_cast<size_t>(round)) % 2;
        Canvas canvas(kWidth, kHeight);
        Paint(canvas, unders[which], true);
        differing[t] += Differing(canvas, *references[which]);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (size_t t = 0; t < differing.size(); ++t) EXPECT_EQ(differing[t], 0u) << "thread " << t;
  for (Canvas* reference : references) delete reference;
}

INSTANTIATE_TEST_SUITE_P(Orientations, RepeatedShapeTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<bool, bool>>& info) {
                           return std::string(std::get<0>(info.param) ? "TopDown" : "BottomUp") +
                                  (std::get<1>(info.param) ? "Smoothed" : "Aliased");
                         });

}  // namespace
