// A fresh application side of TSF on the test's thread for each test; at
// the end it goes and nothing may be left advised anywhere.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "host/FailureSwitch.h"
#include "host/msctf/Compartments.h"
#include "host/msctf/LiveSinks.h"
#include "host/msctf/TsfApplication.h"
#include "host/user32/Keyboard.h"

namespace tsftest {

struct TsfFixture : ::testing::Test {
  void SetUp() override { app.emplace(); }
  void TearDown() override {
    app.reset();
    host::ClearFailures();
    host::ResetKeyboard();
    host::SetCompartmentNotifiesUnchangedWrites(false);
    EXPECT_TRUE(host::LiveSinks().empty()) << host::LiveSinks().front().source;
  }
  host::TsfApplication& App() { return *app; }

  std::optional<host::TsfApplication> app;
};

// The interfaces of the live sinks, in order.
inline std::vector<std::string> LiveSinkNames() {
  std::vector<std::string> names;
  for (const host::LiveSink& s : host::LiveSinks()) names.push_back(s.source + " " + s.iid);
  return names;
}

}  // namespace tsftest
