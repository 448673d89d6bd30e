#include <gtest/gtest.h>

#include "support/GdiplusCanvas.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using testing_gdiplus::Canvas;
using testing_gdiplus::InkBox;

namespace {

struct ShapeTest : testing_gdiplus::GdiplusTest {};

// The rounded rectangle the candidate window and the preview build.
void RoundedRect(GpPath* path, REAL x, REAL y, REAL w, REAL h, REAL r) {
  REAL d = 2 * r;
  GdipResetPath(path);
  GdipAddPathArc(path, x, y, d, d, 180, 90);
  GdipAddPathArc(path, x + w - d, y, d, d, 270, 90);
  GdipAddPathArc(path, x + w - d, y + h - d, d, d, 0, 90);
  GdipAddPathArc(path, x, y + h - d, d, d, 90, 90);
  GdipClosePathFigure(path);
}

TEST_F(ShapeTest, RoundedPathFillsInsideItsCorners) {
  Canvas canvas(40, 30);
  GdipSetPixelOffsetMode(canvas.graphics, PixelOffsetModeHighQuality);
  GdipSetSmoothingMode(canvas.graphics, SmoothingModeAntiAlias);
  GdipGraphicsClear(canvas.graphics, 0);
  GpPath* path = nullptr;
  GpSolidFill* brush = nullptr;
  ASSERT_EQ(GdipCreatePath(FillModeAlternate, &path), Ok);
  ASSERT_EQ(GdipCreateSolidFill(0xFF2040C0, &brush), Ok);
  RoundedRect(path, 0, 0, 40, 30, 9);
  ASSERT_EQ(GdipFillPath(canvas.graphics, brush, path), Ok);

  // The corners stay transparent outside the arcs, the sides are filled to
  // the edge, and the colour is opaque inside.
  for (auto [x, y] : {std::pair{0, 0}, {39, 0}, {0, 29}, {39, 29}, {1, 1}}) {
    EXPECT_EQ(canvas.At(x, y), 0u) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{20, 0}, {0, 15}, {39, 15}, {20, 29}, {20, 15}, {5, 5}}) {
    EXPECT_EQ(canvas.At(x, y), 0xFF2040C0u) << x << "," << y;
  }
  // On the arc the edge is antialiased: neither empty nor opaque.
  int edge = canvas.Alpha(2, 2);
  EXPECT_GT(edge, 0);
  EXPECT_LT(edge, 255);

  GdipDeleteBrush(brush);
  GdipDeletePath(path);
}

TEST_F(ShapeTest, PenOutlinesWithoutFilling) {
  Canvas canvas(30, 30);
  GdipSetPixelOffsetMode(canvas.graphics, PixelOffsetModeHighQuality);
  GpPath* path = nullptr;
  GpPen* pen = nullptr;
  GdipCreatePath(FillModeAlternate, &path);
  ASSERT_EQ(GdipCreatePen1(0xFFFF0000, 2, UnitWorld, &pen), Ok);
  GdipAddPathRectangle(path, 5, 5, 20, 20);
  ASSERT_EQ(GdipDrawPath(canvas.graphics, pen, path), Ok);
  // A 2-pixel pen centred on x = 5 covers columns 4 and 5.
  EXPECT_EQ(canvas.At(4, 15), 0xFFFF0000u);
  EXPECT_EQ(canvas.At(5, 15), 0xFFFF0000u);
  EXPECT_EQ(canvas.At(3, 15), 0u);
  EXPECT_EQ(canvas.At(6, 15), 0u);
  EXPECT_EQ(canvas.At(15, 15), 0u);
  EXPECT_EQ(canvas.At(15, 25), 0xFFFF0000u);
  GdipDeletePen(pen);
  GdipDeletePath(path);
}

TEST_F(ShapeTest, SmoothingAndPixelOffsetDecideCoverage) {
  // Without smoothing every pixel is all or nothing; pixel centres lie on
  // whole coordinates unless the offset mode is Half or HighQuality.
  struct Case {
    PixelOffsetMode offset;
    int firstColumn;
  } cases[] = {{PixelOffsetModeHighQuality, 2}, {PixelOffsetModeHalf, 2}, {PixelOffsetModeNone, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.offset);
    Canvas canvas(10, 10);
    GdipSetPixelOffsetMode(canvas.graphics, c.offset);
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(0xFF00FF00, &brush);
    ASSERT_EQ(GdipFillRectangle(canvas.graphics, brush, 2.3f, 2.3f, 4, 4), Ok);
    InkBox ink = canvas.Ink();
    EXPECT_EQ(ink.left, c.firstColumn);
    EXPECT_EQ(ink.right - ink.left, 3);
    for (int x = 0; x < 10; ++x) {
      int alpha = canvas.Alpha(x, 4);
      EXPECT_TRUE(alpha == 0 || alpha == 255) << x;
    }
    GdipDeleteBrush(brush);
  }
}

TEST_F(ShapeTest, BottomUpBitmapIsDrawnTheRightWayUp) {
  Canvas canvas(8, 8, false);
  GdipSetPixelOffsetMode(canvas.graphics, PixelOffsetModeHalf);
  GpSolidFill* brush = nullptr;
  GdipCreateSolidFill(0xFF0000FF, &brush);
  GdipFillRectangle(canvas.graphics, brush, 0, 0, 8, 2);
  EXPECT_EQ(canvas.At(3, 0), 0xFF0000FFu);
  EXPECT_EQ(canvas.At(3, 1), 0xFF0000FFu);
  EXPECT_EQ(canvas.At(3, 2), 0u);
  GdipDeleteBrush(brush);
}

TEST_F(ShapeTest, ClearPremultipliesAndEllipseFillsItsBox) {
  Canvas canvas(20, 20);
  ASSERT_EQ(GdipGraphicsClear(canvas.graphics, 0x80FF0000), Ok);
  EXPECT_EQ(canvas.At(10, 10), 0x80800000u);
  GdipGraphicsClear(canvas.graphics, 0);
  GdipSetPixelOffsetMode(canvas.graphics, PixelOffsetModeHalf);
  GpSolidFill* brush = nullptr;
  GdipCreateSolidFill(0xFFFFFFFF, &brush);
  ASSERT_EQ(GdipFillEllipse(canvas.graphics, brush, 4, 4, 12, 8), Ok);
  InkBox ink = canvas.Ink();
  EXPECT_EQ(ink.left, 4);
  EXPECT_EQ(ink.right, 15);
  EXPECT_EQ(ink.top, 4);
  EXPECT_EQ(ink.bottom, 11);
  EXPECT_EQ(canvas.At(4, 4), 0u);

  RectF bounds;
  ASSERT_EQ(GdipGetVisibleClipBounds(canvas.graphics, &bounds), Ok);
  EXPECT_EQ(bounds.X, 0);
  EXPECT_EQ(bounds.Y, 0);
  EXPECT_EQ(bounds.Width, 20);
  EXPECT_EQ(bounds.Height, 20);
  GdipDeleteBrush(brush);
}

TEST_F(ShapeTest, ArcsFollowTheEllipseAndContinueTheFigure) {
  // A quarter of a wide ellipse from 0 to 90 degrees, closed through the
  // centre: the wedge below and right of the centre.
  Canvas canvas(40, 20);
  GdipSetPixelOffsetMode(canvas.graphics, PixelOffsetModeHalf);
  GpPath* path = nullptr;
  GpSolidFill* brush = nullptr;
  GdipCreatePath(FillModeAlternate, &path);
  GdipCreateSolidFill(0xFF000000, &brush);
  GdipAddPathArc(path, 0, 0, 40, 20, 0, 90);
  GdipAddPathArc(path, 20, 10, 0, 0, 0, 0);
  GdipClosePathFigure(path);
  GdipFillPath(canvas.graphics, brush, path);
  InkBox ink = canvas.Ink();
  EXPECT_EQ(ink.left, 20);
  EXPECT_EQ(ink.top, 10);
  EXPECT_EQ(ink.right, 39);
  EXPECT_EQ(ink.bottom, 19);
  EXPECT_EQ(canvas.At(37, 18), 0u);  // outside the ellipse
  EXPECT_EQ(canvas.At(25, 13), 0xFF000000u);
  GdipDeletePath(path);
  GdipDeleteBrush(brush);
}

}  // namespace
