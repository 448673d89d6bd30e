#include "service/settings/SettingsSync.h"

#include <gtest/gtest.h>

#include "Platform.h"
#include "ScriptedServer.h"
#include "ServerProcess.h"
#include "SettingsTestRoot.h"
#include "service/settings/ProcessSettings.h"

namespace {

std::vector<char> RequestBytes(const std::u16string& text) {
  std::vector<char> bytes = Utf16Bytes(text);
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

class SettingsSyncTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Values no load would pick, so a test sees what a load changed.
    rootDir = u"X:\\stale";
    ThemeID = u"stale";
    SmartCorrection = 7;
    SaveCandidates = 7;
    CandidateWindow = 7;
    CurrentLayout = 7;
    CurrentEncoding = 7;
  }
  std::u16string ProgramFilesRoot() {
    WCHAR folder[MAX_PATH] = {};
    EXPECT_EQ(S_OK, SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILESX86, nullptr, SHGFP_TYPE_CURRENT,
                                     folder));
    return std::u16string(AsChar16(folder)) + u"\\Hollin\\Lutem Keyboard";
  }
  SettingsTestRoot root_;
};

TEST_F(SettingsSyncTest, WithoutServerLoadKeepsDefaultsAndSettersKeepTheirValue) {
  LoadSettings();
  EXPECT_EQ(ProgramFilesRoot(), rootDir.Get());
  EXPECT_EQ(u"lutem_light", ThemeID.Get());
  EXPECT_EQ(1u, SmartCorrection);
  EXPECT_EQ(1u, SaveCandidates);
  EXPECT_EQ(1u, CandidateWindow);
  EXPECT_EQ(2, CurrentLayout);
  EXPECT_EQ(0, CurrentEncoding);

  CurrentLayout = 6;
  RefreshSettingsFromServer();
  EXPECT_EQ(6, CurrentLayout);
  SetCurrentEncoding(1);
  EXPECT_EQ(1, CurrentEncoding);
}

TEST_F(SettingsSyncTest, LoadAppliesTheReplyOverTheDefaults) {
  ScriptedServer server(Utf16Bytes(u"CurrentLayout=3;CurrentLayout=5;ThemeID=;SaveCandidates=0"));
  ASSERT_TRUE(server.ready());
  LoadSettings();
  EXPECT_EQ(RequestBytes(u"LOAD_ALL"), server.Request());
  EXPECT_EQ(5, CurrentLayout);
  EXPECT_EQ(u"lutem_light", ThemeID.Get());
  EXPECT_EQ(0u, SaveCandidates);
  EXPECT_EQ(0, CurrentEncoding);
}

TEST_F(SettingsSyncTest, ErrorReplyLeavesTheDefaults) {
  ScriptedServer server(Utf16Bytes(u"Error: CurrentLayout=5"));
  ASSERT_TRUE(server.ready());
  LoadSettings();
  EXPECT_EQ(2, CurrentLayout);
  EXPECT_EQ(ProgramFilesRoot(), rootDir.Get());
}

// A layout or an encoding the server stored (another program wrote the
// registry) that the input method cannot use counts as the default, at the
// load and at every refresh.
TEST_F(SettingsSyncTest, StoredNumbersOutOfRangeCountAsTheDefaults) {
  ServerProcess server;
  ASSERT_TRUE(server.Start());
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, AsWchar(u"Software\\Hollin\\Lutem Keyboard"), 0,
                            nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD layout = 9, encoding = 2;
  RegSetValueExW(key, AsWchar(u"CurrentLayout"), 0, REG_DWORD,
                 reinterpret_cast<const BYTE*>(&layout), sizeof(layout));
  RegSetValueExW(key, AsWchar(u"CurrentEncoding"), 0, REG_DWORD,
                 reinterpret_cast<const BYTE*>(&encoding), sizeof(encoding));
  RegCloseKey(key);

  LoadSettings();
  EXPECT_EQ(2, CurrentLayout);
  EXPECT_EQ(0, CurrentEncoding);
  CurrentLayout = 5;
  CurrentEncoding = 1;
  RefreshSettingsFromServer();
  EXPECT_EQ(2, CurrentLayout);
  EXPECT_EQ(0, CurrentEncoding);
}

TEST_F(SettingsSyncTest, RefreshSkipsSaveCandidatesAndSetsNoDefaults) {
  ScriptedServer server(Utf16Bytes(u"SaveCandidates=0;CurrentEncoding=1"));
  ASSERT_TRUE(server.ready());
  RefreshSettingsFromServer();
  EXPECT_EQ(7u, SaveCandidates);
  EXPECT_EQ(1, CurrentEncoding);
  EXPECT_EQ(7, CurrentLayout);
  EXPECT_EQ(u"stale", ThemeID.Get());
}

TEST_F(SettingsSyncTest, SettersStoreFirstThenSendOneSaveRequest) {
  const struct {
    void (*set)();
    std::u16string request;
  } cases[] = {
      {[] { SetCurrentLayout(4); }, u"SAVE CurrentLayout 4"},
      {[] { SetCurrentLayout(-1); }, u"SAVE CurrentLayout 4294967295"},
      {[] { SetCandidateWindow(0); }, u"SAVE CandidateWindow 0"},
      {[] { SetCandidateWindow(5); }, u"SAVE CandidateWindow 1"},
      {[] { SetSmartCorrection(0); }, u"SAVE SmartCorrection 0"},
      {[] { SetCurrentEncoding(1); }, u"SAVE CurrentEncoding 1"},
  };
  for (const auto& c : cases) {
    ScriptedServer server(Utf16Bytes(u"OK"));
    ASSERT_TRUE(server.ready());
    c.set();
    EXPECT_EQ(RequestBytes(c.request), server.Request());
  }
  EXPECT_EQ(5u, CandidateWindow);  // a setter stores what it is given
  EXPECT_EQ(0u, SmartCorrection);
  EXPECT_EQ(-1, CurrentLayout);
}

// With the real server, what the menu saves is what the next load and
// refresh bring back.
TEST_F(SettingsSyncTest, SavedSettingsComeBackFromTheServer) {
  ServerProcess server;
  ASSERT_TRUE(server.Start());
  SetCurrentLayout(6);
  SetCandidateWindow(0);
  SetSmartCorrection(0);
  CurrentLayout = 1;
  CandidateWindow = 1;
  RefreshSettingsFromServer();
  EXPECT_EQ(6, CurrentLayout);
  EXPECT_EQ(0u, CandidateWindow);
  LoadSettings();
  EXPECT_EQ(6, CurrentLayout);
  EXPECT_EQ(0u, SmartCorrection);
  EXPECT_EQ(0u, CandidateWindow);
  EXPECT_EQ(0, CurrentEncoding);
}

}  // namespace
