#include "SettingsTestRoot.h"

#ifdef _WIN32

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "Platform.h"
#include "support/MakeTempFolder.h"

namespace {

constexpr const char* kDisposable = "LUTEM_TEST_DISPOSABLE_PROFILE";

// The tests overwrite the user's settings and learned pairs and serve the
// pipe the user's input method talks to; in a real profile no test runs.
class DisposableProfileCheck : public ::testing::Environment {
 public:
  void SetUp() override {
    const char* value = std::getenv(kDisposable);
    if (value == nullptr || std::string(value) != "1")
      FAIL() << "these tests replace the Lutem settings of the current user: set "
             << kDisposable << "=1 in a disposable profile or Wine prefix";
  }
};

const ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new DisposableProfileCheck);

void RemoveProductKeys() {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Hollin\\Lutem Keyboard");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Hollin\\Lutem Settings Server");
}

}  // namespace

SettingsTestRoot::SettingsTestRoot() : path_(MakeTempFolder("lutem-server-")) {
  RemoveProductKeys();
}

SettingsTestRoot::~SettingsTestRoot() {
  RemoveProductKeys();
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

const std::string& SettingsTestRoot::path() const { return path_; }

#else

SettingsTestRoot::SettingsTestRoot() = default;
SettingsTestRoot::~SettingsTestRoot() = default;

const std::string& SettingsTestRoot::path() const { return root_.path(); }

#endif
