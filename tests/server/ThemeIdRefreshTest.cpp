#include <gtest/gtest.h>

#include "ScriptedServer.h"
#include "SettingsTestRoot.h"
#include "service/candidate/ThemeManager.h"
#include "service/settings/ProcessSettings.h"

namespace {

class ThemeIdRefreshTest : public ::testing::Test {
 protected:
  ThemeIdRefreshTest() { ThemeID = u"lutem_light"; }
  ~ThemeIdRefreshTest() override { ThemeID = saved_; }

  SettingsTestRoot root_;

 private:
  std::u16string saved_ = ThemeID;
};

TEST_F(ThemeIdRefreshTest, AsksForTheThemeIdAndTakesTheReplyAsItCame) {
  ScriptedServer server(Utf16Bytes(u"lutem_dark  "));
  ASSERT_TRUE(server.ready());
  RefreshThemeIdFromServer();
  std::vector<char> request = Utf16Bytes(u"LOAD ThemeID");
  request.insert(request.end(), {0, 0});
  EXPECT_EQ(server.Request(), request);
  EXPECT_EQ(ThemeID.Get(), u"lutem_dark  ");  // trailing blanks included
}

TEST_F(ThemeIdRefreshTest, ErrorOrEmptyReplyKeepsTheThemeId) {
  {
    ScriptedServer server(Utf16Bytes(u"Error: no such key"));
    ASSERT_TRUE(server.ready());
    RefreshThemeIdFromServer();
    EXPECT_EQ(ThemeID.Get(), u"lutem_light");
  }
  {
    ScriptedServer server({0, 0});  // the server's empty reply
    ASSERT_TRUE(server.ready());
    RefreshThemeIdFromServer();
    EXPECT_EQ(ThemeID.Get(), u"lutem_light");
  }
  RefreshThemeIdFromServer();  // no server at all
  EXPECT_EQ(ThemeID.Get(), u"lutem_light");
}

}  // namespace
