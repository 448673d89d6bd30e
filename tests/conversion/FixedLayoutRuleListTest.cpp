// How one rule and one list rewrite a text, and what a list whose build
// failed still is.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "conversion/ApplyFixedLayoutRules.h"
#include "conversion/RegexRule.h"
#include "conversion/RuleList.h"

namespace {

TEST(FixedLayoutRuleListTest, ReplacementFormat) {
  struct {
    const char16_t* pattern;
    const char16_t* replacement;
    const char16_t* text;
    const char16_t* expected;
  } cases[] = {
      // "$1" for a pattern without a group deletes every match.
      {u"c", u"$1", u"acbc", u"ab"},
      {u"(a)(b)?", u"\\2\\1", u"ab a", u"ba a"},
      // A backslash before a plain character writes that character alone.
      {u"x", u"\\\u02C6", u"axb", u"a\u02C6b"},
      {u"x", u"$", u"x", u"$"},
      {u"x", u"&()?:", u"x", u"&()?:"},
      // Ranges run by code unit.
      {u"[\u0995-\u09B9]", u"#", u"\u0994\u0995\u09B9\u09BA", u"\u0994##\u09BA"},
      // "^" anchors to the start of the text only.
      {u"^a", u"b", u"aa a", u"ba a"},
      // The look-behind sees the last unit of the previous match.
      {u"(?<!b)ab", u"X", u"abab", u"Xab"},
      // Perl alternation: the first alternative that matches wins.
      {u"(a|ab)", u"[$1]", u"ab", u"[a]b"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RegexRule(c.pattern, c.replacement).Apply(c.text), c.expected) << c.text;
}

// A surrogate is one unit to a pattern, as with Windows' 16-bit wchar_t, and
// a pass never joins or splits the units it does not match.
TEST(FixedLayoutRuleListTest, SurrogatesAreSingleUnits) {
  const std::u16string pair = u"\U0001F600";
  EXPECT_EQ(RegexRule(u"\xD83D", u"H").Apply(pair + u"\xD83D"), u"H\xDE00H");
  EXPECT_EQ(RegexRule(u".", u"u").Apply(pair), u"uu");
  EXPECT_EQ(RegexRule(u"a", u"b").Apply(u"\xDC00" u"a\xD800"), u"\xDC00" u"b\xD800");
}

std::vector<RuleList::Source> GoodTable() { return {{u"a", u"b"}, {u"b", u"c"}}; }
std::vector<RuleList::Source> TableWithBadPattern() {
  return {{u"a", u"b"}, {u"([", u"x"}, {u"b", u"c"}};
}
std::vector<RuleList::Source> TableOutOfMemory() { throw std::bad_alloc(); }

TEST(FixedLayoutRuleListTest, EachRuleWorksOnTheOutputOfTheOnesBefore) {
  RuleList list = RuleList::Build(GoodTable);
  EXPECT_FALSE(list.failed());
  EXPECT_EQ(list.size(), 2u);
  EXPECT_EQ(list.Apply(u"ab-"), u"cc-");
}

// A list whose build failed is complete all the same: it holds no rule, so it
// can be read and applied like any other and leaves the text as it is.
TEST(FixedLayoutRuleListTest, FailedBuildLeavesAnEmptyUsableList) {
  for (auto table : {TableWithBadPattern, TableOutOfMemory}) {
    RuleList list = RuleList::Build(table);
    EXPECT_TRUE(list.failed());
    EXPECT_EQ(list.size(), 0u);
    EXPECT_TRUE(list.rules().empty());
    EXPECT_EQ(list.Apply(u"abc"), u"abc");
    EXPECT_EQ(list.Apply(u""), u"");
  }
}

// Lists are shared by the process: concurrent first use builds each once and
// every thread reads the same finished list.
TEST(FixedLayoutRuleListTest, ConcurrentUseGivesTheSameResults) {
  const std::u16string keys = u"cjgkZ sjf [k/t| jAc 123";
  std::vector<std::u16string> expected;
  std::vector<std::vector<std::u16string>> got(4);
  std::vector<std::thread> threads;
  for (auto& out : got)
    threads.emplace_back([&out, &keys] {
      for (int layout = 4; layout <= 7; ++layout) out.push_back(ApplyFixedLayoutRules(keys, layout));
    });
  for (auto& t : threads) t.join();
  for (int layout = 4; layout <= 7; ++layout) expected.push_back(ApplyFixedLayoutRules(keys, layout));
  for (const auto& out : got) EXPECT_EQ(out, expected);
}

}  // namespace
