#include <gtest/gtest.h>

#include "Platform.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

TEST(StartupRuleTest, CallsFailBeforeStartupAndAfterTheLastShutdown) {
  GpSolidFill* brush = nullptr;
  EXPECT_EQ(GdipCreateSolidFill(0xFF000000, &brush), GdiplusNotInitialized);
  GdiplusStartupInput input;
  ULONG_PTR token = 0;
  ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
  ASSERT_EQ(GdipCreateSolidFill(0xFF000000, &brush), Ok);
  EXPECT_EQ(GdipDeleteBrush(brush), Ok);
  GdiplusShutdown(token);
  EXPECT_EQ(GdipCreateSolidFill(0xFF000000, &brush), GdiplusNotInitialized);
}

}  // namespace
