#include <gtest/gtest.h>

#include "service/settings/ProcessSettings.h"
#include "service/settings/SettingsReply.h"

namespace {

class SettingsReplyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rootDir = u"C:\\root";
    ThemeID = u"lutem_light";
    SmartCorrection = 1;
    SaveCandidates = 1;
    CandidateWindow = 1;
    CurrentLayout = 2;
    CurrentEncoding = 0;
  }
  void Apply(std::u16string_view reply, bool saveCandidates = true) {
    ApplySettings(ParseSettingsReply(reply), saveCandidates);
  }
};

TEST_F(SettingsReplyTest, ParserCutsPiecesAndSplitsAtFirstEquals) {
  using M = std::map<std::u16string, std::u16string>;
  EXPECT_EQ((M{{u"rootDir", u"D:\\a=b"}, {u"y", u""}}), ParseSettingsReply(u"rootDir=D:\\a=b;x;y="));
  EXPECT_EQ((M{{u"a", u"1"}}), ParseSettingsReply(u"a=1;"));
  EXPECT_EQ((M{{u"a", u"2"}}), ParseSettingsReply(u"a=1;a=2"));
  EXPECT_EQ((M{{u" a", u"1"}}), ParseSettingsReply(u" a=1"));
  EXPECT_EQ((M{}), ParseSettingsReply(u"=1;;x;"));
  EXPECT_EQ((M{}), ParseSettingsReply(u"Error: Could not connect to settings server."));
}

TEST_F(SettingsReplyTest, RepliesApplyAsTheServerSays) {
  Apply(u"CurrentLayout=3;CurrentLayout=5");
  EXPECT_EQ(5, CurrentLayout);

  Apply(u"ThemeID=;CurrentEncoding=1");
  EXPECT_EQ(u"lutem_light", ThemeID.Get());
  EXPECT_EQ(1, CurrentEncoding);

  Apply(u"CandidateWindow=0");
  EXPECT_EQ(0u, CandidateWindow);

  Apply(u" CurrentLayout=3");
  EXPECT_EQ(5, CurrentLayout);

  Apply(u"rootDir=D:\\a=b;x;y=");
  EXPECT_EQ(u"D:\\a=b", rootDir.Get());

  Apply(u"SmartCorrection=0;SaveCandidates=1");
  EXPECT_EQ(0u, SmartCorrection);
  EXPECT_EQ(1u, SaveCandidates);
}

TEST_F(SettingsReplyTest, RefreshLeavesSaveCandidatesAlone) {
  Apply(u"SaveCandidates=0;CurrentLayout=7", false);
  EXPECT_EQ(1u, SaveCandidates);
  EXPECT_EQ(7, CurrentLayout);
}

TEST_F(SettingsReplyTest, NumbersReadLikeWcstoul) {
  const struct {
    const char16_t* text;
    std::optional<uint32_t> value;
  } cases[] = {
      {u"3", 3u},          {u"3abc", 3u},        {u"  \t7", 7u},     {u"+4", 4u},
      {u"-1", 4294967295u}, {u"4294967295", 4294967295u},           {u"007", 7u},
      {u"abc", std::nullopt}, {u"", std::nullopt}, {u"-", std::nullopt},
      {u"4294967296", std::nullopt}, {u"99999999999999999999", std::nullopt},
      {u"\u09E9", std::nullopt},  // a Bengali digit is not a decimal digit here
  };
  for (const auto& c : cases) EXPECT_EQ(c.value, ReadSettingsNumber(c.text)) << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
}

TEST_F(SettingsReplyTest, ValuesThatAreNotNumbersKeepTheSetting) {
  Apply(u"CurrentLayout=abc;CurrentEncoding=99999999999;SmartCorrection=x");
  EXPECT_EQ(2, CurrentLayout);
  EXPECT_EQ(0, CurrentEncoding);
  EXPECT_EQ(1u, SmartCorrection);
}

// A number the menu, the icon and the conversion cannot all show the same
// way (no layout item checked for 9, ANSI checked while Unicode is written
// for 2) gives the setting's default, whatever it held.
TEST_F(SettingsReplyTest, NumbersOutOfRangeGiveTheDefault) {
  const struct {
    const char16_t* reply;
    const std::atomic<int32_t>* number;
    const std::atomic<uint32_t>* flag;
    int64_t expected;
  } cases[] = {
      {u"CurrentLayout=9", &CurrentLayout, nullptr, 2},
      {u"CurrentLayout=0", &CurrentLayout, nullptr, 2},
      {u"CurrentLayout=-1", &CurrentLayout, nullptr, 2},
      {u"CurrentLayout=8", &CurrentLayout, nullptr, 8},
      {u"CurrentLayout=1", &CurrentLayout, nullptr, 1},
      {u"CurrentEncoding=2", &CurrentEncoding, nullptr, 0},
      {u"CurrentEncoding=4294967295", &CurrentEncoding, nullptr, 0},
      {u"SmartCorrection=2", nullptr, &SmartCorrection, 1},
      {u"SaveCandidates=7", nullptr, &SaveCandidates, 1},
      {u"CandidateWindow=2", nullptr, &CandidateWindow, 1},
  };
  for (const auto& c : cases) {
    CurrentLayout = 5;
    CurrentEncoding = 1;
    SmartCorrection = 0;
    SaveCandidates = 0;
    CandidateWindow = 0;
    Apply(c.reply);
    const int64_t value = c.number != nullptr ? int64_t{c.number->load()} : int64_t{c.flag->load()};
    EXPECT_EQ(c.expected, value)
        << std::string(c.reply, c.reply + std::char_traits<char16_t>::length(c.reply));
  }
}

}  // namespace
