#include <gtest/gtest.h>

#include "common/FailureSwitch.h"
#include "host/FailureSwitch.h"

namespace {

struct FailureSwitchTest : ::testing::Test {
  void TearDown() override { host::ClearFailures(); }
};

TEST_F(FailureSwitchTest, FailsTheNthCallForCountCalls) {
  host::FailCall("X", 2, 2);
  bool results[5];
  for (bool& r : results) r = platform::ShouldFail("X");
  EXPECT_FALSE(results[0]);
  EXPECT_TRUE(results[1]);
  EXPECT_TRUE(results[2]);
  EXPECT_FALSE(results[3]);
  EXPECT_EQ(host::CallCount("X"), 5);
}

TEST_F(FailureSwitchTest, CountZeroFailsFromTheNthOnAndQualifiersNarrow) {
  host::FailCall("Y:b", 1, 0);
  EXPECT_FALSE(platform::ShouldFail("Y", "a"));
  EXPECT_TRUE(platform::ShouldFail("Y", "b"));
  EXPECT_TRUE(platform::ShouldFail("Y", "b"));
  EXPECT_EQ(host::CallCount("Y"), 3);
  host::ClearFailures();
  EXPECT_FALSE(platform::ShouldFail("Y", "b"));
}

}  // namespace
