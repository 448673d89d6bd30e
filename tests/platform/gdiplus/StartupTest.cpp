#include <gtest/gtest.h>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/gdiplus/GdiplusCalls.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

struct StartupTest : ::testing::Test {
  void TearDown() override { host::ClearFailures(); }
};

// A few calls of each kind, all of which need GDI+ started.
std::vector<Status> CallsWithoutGraphics() {
  GpSolidFill* brush = nullptr;
  GpPath* path = nullptr;
  GpFontFamily* family = nullptr;
  GpStringFormat* format = nullptr;
  return {GdipCreateSolidFill(0xFF000000, &brush), GdipCreatePath(FillModeAlternate, &path),
          GdipGetGenericFontFamilySansSerif(&family), GdipCreateStringFormat(0, 0, &format)};
}

TEST_F(StartupTest, EveryCallFailsOutsideStartupAndShutdown) {
  ASSERT_FALSE(host::GdiplusRunning());
  for (Status status : CallsWithoutGraphics()) EXPECT_EQ(status, GdiplusNotInitialized);

  GdiplusStartupInput input;
  ULONG_PTR first = 0, second = 0;
  ASSERT_EQ(GdiplusStartup(&first, &input, nullptr), Ok);
  ASSERT_EQ(GdiplusStartup(&second, &input, nullptr), Ok);
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, second);

  GpSolidFill* brush = nullptr;
  ASSERT_EQ(GdipCreateSolidFill(0xFF102030, &brush), Ok);
  // Startups nest: GDI+ runs until the last token is shut down; an unknown
  // token changes nothing.
  GdiplusShutdown(first);
  GdiplusShutdown(first);
  GdiplusShutdown(12345);
  EXPECT_TRUE(host::GdiplusRunning());
  GdiplusShutdown(second);
  EXPECT_FALSE(host::GdiplusRunning());

  // A brush deleted after the shutdown is refused, as every other call is.
  EXPECT_EQ(GdipDeleteBrush(brush), GdiplusNotInitialized);
  for (Status status : CallsWithoutGraphics()) EXPECT_EQ(status, GdiplusNotInitialized);
  ULONG_PTR again = 0;
  ASSERT_EQ(GdiplusStartup(&again, &input, nullptr), Ok);
  EXPECT_EQ(GdipDeleteBrush(brush), Ok);
  GdiplusShutdown(again);
}

TEST_F(StartupTest, BadStartupsGiveNoToken) {
  GdiplusStartupInput input;
  GdiplusStartupInput future;
  future.GdiplusVersion = 4;
  GdiplusStartupInput suppressed(nullptr, TRUE);
  struct Case {
    const char* what;
    const GdiplusStartupInput* input;
    Status expected;
  } cases[] = {
      {"no input", nullptr, InvalidParameter},
      {"unknown version", &future, UnsupportedGdiplusVersion},
      {"no hooks for a suppressed background thread", &suppressed, InvalidParameter},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ULONG_PTR token = 99;
    EXPECT_EQ(GdiplusStartup(&token, c.input, nullptr), c.expected);
    EXPECT_EQ(token, 0u);
  }
  host::FailCall("GdiplusStartup");
  ULONG_PTR token = 99;
  EXPECT_EQ(GdiplusStartup(&token, &input, nullptr), GenericError);
  EXPECT_EQ(token, 0u);
  EXPECT_FALSE(host::GdiplusRunning());

  GdiplusStartupOutput output{};
  ASSERT_EQ(GdiplusStartup(&token, &suppressed, &output), Ok);
  ASSERT_NE(output.NotificationHook, nullptr);
  ULONG_PTR hookToken = 0;
  EXPECT_EQ(output.NotificationHook(&hookToken), Ok);
  output.NotificationUnhook(hookToken);
  GdiplusShutdown(token);
}

}  // namespace
