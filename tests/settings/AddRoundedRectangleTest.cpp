// The rounded rectangle of the preview's panel and selected row.
#include <gtest/gtest.h>

#include "Platform.h"
#include "preview/AddRoundedRectangle.h"
#include "support/GdiplusCanvas.h"

namespace {

class AddRoundedRectangleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
  }
  void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

  // Fills the shape made over (10, 10, 80, 60) into a fresh canvas.
  void Fill(testing_gdiplus::Canvas& canvas, Gdiplus::REAL radius) {
    using namespace Gdiplus;
    GpPath* path = nullptr;
    ASSERT_EQ(DllExports::GdipCreatePath(FillModeAlternate, &path), Ok);
    // Whatever the path held is replaced.
    DllExports::GdipAddPathRectangle(path, 0, 0, 100, 100);
    EXPECT_EQ(AddRoundedRectangle(path, radius, 10, 10, 80, 60), Ok);
    GpSolidFill* brush = nullptr;
    DllExports::GdipCreateSolidFill(0xFF000000, &brush);
    DllExports::GdipFillPath(canvas.graphics, brush, path);
    DllExports::GdipDeleteBrush(brush);
    DllExports::GdipDeletePath(path);
  }

  ULONG_PTR token_ = 0;
};

TEST_F(AddRoundedRectangleTest, CornersAreCutByTheRadius) {
  testing_gdiplus::Canvas rounded(100, 100);
  Fill(rounded, 12);
  EXPECT_EQ(rounded.Alpha(5, 5), 0) << "outside the shape";
  EXPECT_EQ(rounded.Alpha(11, 11), 0) << "the cut corner";
  EXPECT_EQ(rounded.Alpha(50, 40), 255);
  EXPECT_EQ(rounded.Alpha(11, 40), 255) << "the straight side";
  EXPECT_EQ(rounded.Alpha(50, 11), 255);
  testing_gdiplus::InkBox ink = rounded.Ink(128);
  EXPECT_EQ(ink.left, 10);
  EXPECT_EQ(ink.top, 10);
  EXPECT_EQ(ink.right, 89);
  EXPECT_EQ(ink.bottom, 69);

  testing_gdiplus::Canvas square(100, 100);
  Fill(square, 0);  // no radius: the plain rectangle
  EXPECT_EQ(square.Alpha(10, 10), 255);
  EXPECT_EQ(square.Alpha(89, 69), 255);
  EXPECT_EQ(square.Alpha(5, 5), 0);
}

}  // namespace
