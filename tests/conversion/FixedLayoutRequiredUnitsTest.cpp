// A rule pass is skipped when the text lacks what every match must contain.
// Skipping must never change a result: whenever the pattern matches, the
// filter has to let the pass run.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include <boost/regex.hpp>

#include "conversion/AnsiEncodingRules.h"
#include "conversion/FixedLayoutRules.h"
#include "conversion/JatiyoRules.h"
#include "conversion/ProbhatRules.h"
#include "conversion/RequiredUnits.h"
#include "conversion/WideUnits.h"

namespace {

std::u16string RandomText(std::mt19937& rng, const std::u16string& alphabet, int maxLength) {
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, maxLength);
  std::u16string text;
  for (int n = length(rng); n > 0; --n) text += alphabet[pick(rng)];
  return text;
}

TEST(FixedLayoutRequiredUnitsTest, WhatIsRead) {
  struct {
    const char16_t* pattern;
    size_t runs;
    size_t classes;
  } cases[] = {
      {u"abc", 1, 0},
      {u"c([a-c])f", 2, 0},            // a group is not read
      {u"[scC]x", 1, 1},
      {u"ab?c", 2, 0},                 // the optional b splits the run
      {u"\\$\\^", 1, 0},
      {u"^\u2021", 1, 0},
      {u"(?<!\u09CD)(a|b)\u09C1", 1, 0},
      {u"a|b", 0, 0},                  // top-level alternation: nothing is skipped
      {u"(?i)abc", 0, 0},              // options change what a literal matches
      {u"\\x41", 0, 0},
      {u"[^a]b", 0, 0},
      {u"[[:alpha:]]b", 0, 0},
      {u"a.b", 2, 0},
      {u"a{2}b", 1, 0},
  };
  for (const auto& c : cases) {
    RequiredUnits required(c.pattern);
    EXPECT_EQ(required.runCount(), c.runs) << c.pattern[0];
    EXPECT_EQ(required.classCount(), c.classes) << c.pattern[0];
  }
}

// Soundness on patterns built to trip the reading: every text the pattern
// matches is one the filter lets through.
TEST(FixedLayoutRequiredUnitsTest, NeverFiltersOutAMatch) {
  const char16_t* patterns[] = {
      u"abc",    u"ab?c",      u"a(b|c)d", u"[a-c]d",    u"a|bc",   u"(?i)ab",   u"a+b",
      u"a*b",    u"a{0,2}b",   u"\\.a",    u"a.c",       u"^ab",    u"ab$",      u"(?<!a)b",
      u"[ab-]c", u"[\\]a]b",   u"(a)\\1",  u"\\bab",     u"a(?=b)", u"[^a]b",    u"(?x) a b",
      u"a\\-b",  u"[a\\-c]b",
  };
  const std::u16string alphabet = u"abcd -.]\n";
  std::mt19937 rng(11);
  for (const char16_t* p : patterns) {
    const boost::wregex re(WidenUnits(p));
    const RequiredUnits required(p);
    for (int round = 0; round < 400; ++round) {
      const std::wstring text = WidenUnits(RandomText(rng, alphabet, 8));
      if (boost::regex_search(text, re)) {
        ASSERT_TRUE(required.MayMatch(text)) << "pattern index " << (&p - patterns);
      }
    }
  }
}

// Every rule of every list gives with the filter what the library alone gives.
TEST(FixedLayoutRequiredUnitsTest, EveryListRuleGivesTheLibraryResult) {
  std::u16string alphabet = u" aAcCdDfgiksxXzZ[{|/\u00A9\u200C\u200D\u2021\u2030";
  for (char16_t c = 0x0981; c <= 0x09E6; ++c) alphabet += c;
  // Texts dense in the common consonants, signs and the hasanta, so that the
  // conjunct and sign rules find matches next to each other.
  std::u16string dense =
      u"\u0995\u09B0\u09B8\u09A4\u09A8\u09AE\u09B7\u09A6\u09AC\u0997\u09B2\u09AA\u09B6"
      u"\u09B9\u09AF\u0999\u099A\u099F\u09A3\u09C1\u09C2\u09C3\u09C7\u09BF\u09C8\u09BE"
      u"\u09CB\u09CD\u09CD\u09CD\u09CD\u00A9 ";
  const RuleList* lists[] = {&FixedLayoutRules(), &JatiyoRules(), &JatiyoModifiedRules(),
                             &ProbhatRules(), &AnsiEncodingRules()};
  std::mt19937 rng(5);
  std::vector<std::u16string> texts;
  for (int n = 0; n < 60; ++n) texts.push_back(RandomText(rng, alphabet, 16));
  for (int n = 0; n < 150; ++n) texts.push_back(RandomText(rng, dense, 30));
  for (const RuleList* list : lists)
    for (const RegexRule& rule : list->rules())
      for (const std::u16string& text : texts) {
        const std::wstring wide = WidenUnits(text);
        const std::wstring expected = boost::regex_replace(wide, rule.pattern, rule.format);
        ASSERT_EQ(rule.Apply(text), NarrowUnits(expected));
      }
}

}  // namespace
