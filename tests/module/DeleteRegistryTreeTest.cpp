#include <gtest/gtest.h>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "service/module/DeleteRegistryTree.h"
#include "support/TempSystemRoot.h"

namespace {

class DeleteRegistryTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char16_t* path : {u"Tree\\a\\b\\c", u"Tree\\a\\d", u"Tree\\e", u"Other"}) {
      HKEY key = nullptr;
      ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                nullptr),
                ERROR_SUCCESS);
      DWORD value = 1;
      RegSetValueExW(key, u"v", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4);
      RegCloseKey(key);
    }
  }
  void TearDown() override { host::ClearFailures(); }

  bool Exists(const char16_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyW(HKEY_CURRENT_USER, path, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }

  TempSystemRoot root_;
};

TEST_F(DeleteRegistryTreeTest, RemovesNestedKeysDeepestFirst) {
  EXPECT_EQ(DeleteRegistryTree(HKEY_CURRENT_USER, u"Tree"), ERROR_SUCCESS);
  EXPECT_FALSE(Exists(u"Tree"));
  EXPECT_TRUE(Exists(u"Other"));
  EXPECT_GE(host::CallCount("RegDeleteKeyW"), 5);
}

TEST_F(DeleteRegistryTreeTest, AMissingKeyCountsAsDeleted) {
  EXPECT_EQ(DeleteRegistryTree(HKEY_CURRENT_USER, u"Tree\\missing"), ERROR_SUCCESS);
  EXPECT_EQ(DeleteRegistryTree(HKEY_CURRENT_USER, u"Nowhere\\at\\all"), ERROR_SUCCESS);
}

TEST_F(DeleteRegistryTreeTest, AFailureStopsAndIsReported) {
  host::FailCall("RegDeleteKeyW", 2);
  EXPECT_EQ(DeleteRegistryTree(HKEY_CURRENT_USER, u"Tree"), ERROR_ACCESS_DENIED);
  EXPECT_TRUE(Exists(u"Tree"));
  host::ClearFailures();
  // A key that is there but cannot be opened is not reported deleted.
  host::FailCall("RegOpenKeyW");
  EXPECT_EQ(DeleteRegistryTree(HKEY_CURRENT_USER, u"Tree"), ERROR_ACCESS_DENIED);
  EXPECT_TRUE(Exists(u"Tree"));
  host::ClearFailures();
  EXPECT_EQ(DeleteRegistryTree(HKEY_CURRENT_USER, u"Tree"), ERROR_SUCCESS);
  EXPECT_FALSE(Exists(u"Tree"));
}

}  // namespace
