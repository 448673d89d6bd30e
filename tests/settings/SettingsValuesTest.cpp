// The settings dialog's values in the registry, read and written under a
// key of the test's own.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Platform.h"
#include "settings/SettingsValues.h"

#ifndef _WIN32
#include "support/TempSystemRoot.h"
#endif

namespace {

// One key per test process on Windows: ctest runs the tests in parallel
// processes that share the registry there, and one test's SetUp would delete
// another's key. (Elsewhere each test has a system root of its own.)
const WCHAR* TestKey() {
  static const std::u16string path = [] {
    std::u16string key = u"Software\\Hollin\\Lutem Keyboard Settings Tests";
#ifdef _WIN32
    for (char digit : " " + std::to_string(GetCurrentProcessId())) key += digit;
#endif
    return key;
  }();
  return AsWchar(path.c_str());
}

class SettingsValuesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyW(HKEY_CURRENT_USER, TestKey());
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, TestKey(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_READ | KEY_WRITE, nullptr, &key_, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegDeleteKeyW(HKEY_CURRENT_USER, TestKey());
  }
  void Set(const WCHAR* name, DWORD type, const void* data, DWORD size) {
    RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), size);
  }
  std::vector<BYTE> Get(const WCHAR* name, DWORD* type) {
    BYTE data[600];
    DWORD size = sizeof data;
    if (RegQueryValueExW(key_, name, nullptr, type, data, &size) != ERROR_SUCCESS) return {};
    return std::vector<BYTE>(data, data + size);
  }

#ifndef _WIN32
  TempSystemRoot root_;
#endif
  HKEY key_ = nullptr;
};

TEST_F(SettingsValuesTest, MissingValuesAndAMissingKeyReadAsTheDefaults) {
  for (HKEY key : {key_, static_cast<HKEY>(nullptr)}) {
    SettingsValues values = SettingsValues::Read(key);
    EXPECT_TRUE(values.smartCorrection);
    EXPECT_TRUE(values.saveCandidates);
    EXPECT_TRUE(values.candidateWindow);
    EXPECT_EQ(values.themeId, std::u16string());
  }
}

TEST_F(SettingsValuesTest, OnlyADwordCountsAsAFlag) {
  DWORD zero = 0, seven = 7;
  Set(TEXT("SmartCorrection"), REG_DWORD, &zero, 4);
  Set(TEXT("SaveCandidates"), REG_DWORD, &seven, 4);
  Set(TEXT("CandidateWindow"), REG_SZ, TEXT("0"), 4);  // a DWORD stored as text
  SettingsValues values = SettingsValues::Read(key_);
  EXPECT_FALSE(values.smartCorrection);
  EXPECT_TRUE(values.saveCandidates);
  EXPECT_TRUE(values.candidateWindow);
}

TEST_F(SettingsValuesTest, ThemeIdIsTextUpToItsFirstNulInFiveHundredTwelveBytes) {
  struct Case {
    std::u16string stored;
    DWORD type;
    std::u16string read;
  };
  const std::u16string kLongest(255, u'x');
  const Case kCases[] = {
      {u"lutem_dark", REG_SZ, u"lutem_dark"},
      {std::u16string(u"dark\0rest", 9), REG_SZ, u"dark"},
      {kLongest, REG_SZ, kLongest},
      {kLongest + u"y", REG_SZ, u""},  // 514 bytes with the NUL: too long
      {u"lutem_dark", REG_EXPAND_SZ, u""},
  };
  for (const Case& c : kCases) {
    Set(TEXT("ThemeID"), c.type, c.stored.c_str(), static_cast<DWORD>((c.stored.size() + 1) * 2));
    EXPECT_EQ(SettingsValues::Read(key_).themeId, c.read);
  }
  // A value without its NUL is read to the end of its bytes, not beyond.
  Set(TEXT("ThemeID"), REG_SZ, TEXT("abcdef"), 6);
  EXPECT_EQ(ReadStringValue(key_, TEXT("ThemeID"), u"fallback"), u"abc");
  EXPECT_EQ(ReadStringValue(key_, TEXT("Missing"), u"fallback"), u"fallback");
}

TEST_F(SettingsValuesTest, WriteStoresTheFlagsAsDwordsAndTheThemeWithItsNul) {
  SettingsValues values;
  values.smartCorrection = false;
  values.themeId = u"lutem_dark";
  values.Write(key_);
  DWORD type = 0;
  std::vector<BYTE> flag = Get(TEXT("SmartCorrection"), &type);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(flag, (std::vector<BYTE>{0, 0, 0, 0}));
  EXPECT_EQ(Get(TEXT("CandidateWindow"), &type), (std::vector<BYTE>{1, 0, 0, 0}));
  std::vector<BYTE> theme = Get(TEXT("ThemeID"), &type);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  ASSERT_EQ(theme.size(), 22u);  // 2 x 10 + 2
  EXPECT_EQ(theme[20], 0);
  EXPECT_EQ(theme[21], 0);
  // Without a theme chosen the stored one stays.
  values.themeId.reset();
  values.smartCorrection = true;
  values.Write(key_);
  EXPECT_EQ(SettingsValues::Read(key_).themeId, u"lutem_dark");
  EXPECT_TRUE(SettingsValues::Read(key_).smartCorrection);
}

}  // namespace
