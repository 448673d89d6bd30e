// The engines that tests make start detached loader threads, which may still
// run when the last test is done. The module is unloaded only once they have
// released it (DllCanUnloadNow); this program waits the same way before it
// ends, or its static destructors would free the loaders' globals under them.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "service/module/DllObjectCount.h"

namespace {

class ModuleThreadsEnvironment : public ::testing::Environment {
 public:
  void TearDown() override {
    for (int i = 0; i < 1000 && ModuleInUse(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
};

const ::testing::Environment* const kModuleThreads =
    ::testing::AddGlobalTestEnvironment(new ModuleThreadsEnvironment);

}  // namespace
