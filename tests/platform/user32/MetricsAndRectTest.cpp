#include <gtest/gtest.h>

#include "Platform.h"
#include "host/user32/Desktop.h"
#include "host/user32/SystemMetrics.h"

namespace {

TEST(SystemMetricsTest, WindowsOwnValuesUntilTheHostOverridesThem) {
  host::ResetDesktop();
  EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 4);
  EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
  EXPECT_EQ(GetSystemMetrics(9999), 0);
  host::SetSystemMetric(SM_CXFRAME, 8);
  EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 8);
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work.bottom, 1040);
  EXPECT_FALSE(SystemParametersInfoW(0x0001, 0, &work, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  host::ResetDesktop();
  EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 4);
}

TEST(RectTest, EdgesAndEmptyResults) {
  RECT r{0, 0, 10, 10};
  EXPECT_TRUE(PtInRect(&r, POINT{0, 0}));
  EXPECT_FALSE(PtInRect(&r, POINT{10, 5}));  // right and bottom are outside
  RECT apart{20, 20, 30, 30};
  RECT out{1, 1, 1, 1};
  EXPECT_FALSE(IntersectRect(&out, &r, &apart));
  EXPECT_TRUE(IsRectEmpty(&out));
  EXPECT_EQ(out.left, 0);
  RECT both{};
  EXPECT_TRUE(UnionRect(&both, &r, &apart));
  EXPECT_EQ(both.right, 30);
  RECT empty{5, 5, 5, 9};
  EXPECT_TRUE(UnionRect(&both, &empty, &r));  // an empty rectangle adds nothing
  EXPECT_TRUE(EqualRect(&both, &r));
  OffsetRect(&both, -3, 2);
  InflateRect(&both, 1, 1);
  RECT expected{-4, 1, 8, 13};
  EXPECT_TRUE(EqualRect(&both, &expected));
}

}  // namespace
