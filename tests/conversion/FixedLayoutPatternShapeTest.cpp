// A rule pass asks the library for a match only at the positions a pattern's
// shape leaves possible. These check the lengths, the anchor run and the
// start tests that decision rests on, and that the pass gives exactly what
// the library gives over the whole text.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include <boost/regex.hpp>

#include "conversion/PatternShape.h"
#include "conversion/RegexRule.h"
#include "conversion/WideUnits.h"

namespace {

TEST(FixedLayoutPatternShapeTest, Lengths) {
  struct {
    const char16_t* pattern;
    bool bounded;
    size_t maxLength;
    size_t lookBehind;
  } cases[] = {
      {u"abc", true, 3, 0},
      {u"(?<!x)(ab|a|abcd)e", true, 5, 1},
      {u"(?<=xy)a", true, 1, 2},
      {u"([abc][d-f]x)(y?)z", true, 5, 0},
      {u"\\$\\.", true, 2, 0},
      {u"(a|bc)|d", true, 2, 0},
      {u"a+", false, 0, 0},
      {u"a*", false, 0, 0},
      {u"a{2}", false, 0, 0},
      {u"^a", false, 0, 0},
      {u"a$", false, 0, 0},
      {u"a(?=b)", false, 0, 0},
      {u"(a)\\1", false, 0, 0},
      {u"\\ba", false, 0, 0},
      {u"(?<!a|bc)d", false, 0, 0},  // a look-behind of two widths
      {u"(?i)a", false, 0, 0},
  };
  for (const auto& c : cases) {
    PatternShape shape(c.pattern);
    EXPECT_EQ(shape.bounded(), c.bounded) << (&c - cases);
    if (!c.bounded) continue;
    EXPECT_EQ(shape.maxLength(), c.maxLength) << (&c - cases);
    EXPECT_EQ(shape.lookBehind(), c.lookBehind) << (&c - cases);
  }
}

TEST(FixedLayoutPatternShapeTest, WhereAMatchCanStart) {
  const struct {
    const char16_t* pattern;
    const wchar_t* anchor;
    std::vector<size_t> offsets;
    const wchar_t* text;
    size_t at;
    bool may;
  } cases[] = {
      {u"s([ab])", L"s", {0}, L"sa", 0, true},
      {u"s([ab])", L"s", {0}, L"sc", 0, false},  // the class at distance 1
      {u"s([ab])", L"s", {0}, L"s", 0, false},   // no room for the class
      {u"([ab])-r", L"-r", {1}, L"c-r", 0, false},
      // Alternatives of several lengths before the run.
      {u"(?<!x)(abc|ab|b)u", L"u", {1, 2, 3}, L"xbu", 1, false},  // after the look-behind's unit
      {u"(?<!x)(abc|ab|b)u", L"u", {1, 2, 3}, L"ybu", 1, true},
      {u"(?<!x)(abc|ab|b)u", L"u", {1, 2, 3}, L"ycu", 1, false},  // no branch starts with c
      // A group with one branch is read as if it were not there.
      {u"(r-(a[bc]))", L"r-", {0}, L"r-ab", 0, true},
      {u"(r-(a[bc]))", L"r-", {0}, L"r-aa", 0, false},
      // Of two runs as long, the one outside the groups, then the later one.
      {u"a(b|c)?d", L"d", {1, 2}, L"ad", 0, true},
      {u"ab?c", L"c", {1, 2}, L"ac", 0, true},
      // A look-behind or a unit inside an alternative or an optional group
      // tells nothing about every match.
      {u"((?<!x)a|b)c", L"c", {1}, L"xbc", 1, true},
      {u"((?<!x)a)?b", L"b", {0, 1}, L"xb", 1, true},
      {u"(a|bc)d", L"d", {1, 2}, L"bcd", 0, true},
      {u"(a|bc)d", L"d", {1, 2}, L"cd", 0, false},
      {u"a?b", L"b", {0, 1}, L"b", 0, true},
      {u"(ab)?c", L"c", {0, 2}, L"c", 0, true},
  };
  for (const auto& c : cases) {
    const PatternShape shape(c.pattern);
    ASSERT_TRUE(shape.bounded()) << (&c - cases);
    EXPECT_EQ(shape.anchor(), c.anchor) << (&c - cases);
    EXPECT_EQ(shape.anchorOffsets(), c.offsets) << (&c - cases);
    EXPECT_EQ(shape.MayMatchAt(c.text, c.at), c.may) << (&c - cases);
  }
}

// Patterns shaped like the rule lists' (look-behind, alternatives of several
// lengths, optional groups, classes), on texts dense in their letters, so
// that matches sit next to each other, candidates of one run overlap those of
// the next and a match follows a look-behind letter.
TEST(FixedLayoutPatternShapeTest, CandidatePassGivesTheWholeTextResult) {
  const struct {
    const char16_t* pattern;
    const char16_t* format;
  } rules[] = {
      {u"(?<!x)(abc|ab|b|c)u", u"[\\1]"},
      {u"(?<!x)(ab|a)c", u"<$1>"},
      {u"(?<!a)(b|ab)c", u"<$1>"},
      {u"(a[bc]a)(y?)e", u"E\\1\\2"},
      {u"r-([abc]-[abc])", u"\\1R"},
      {u"(r-([abc]-[abc]e))", u"\\2R"},
      {u"(?<=b)a(c|)", u"A$1"},
      {u"([abc])-r", u"r-$1"},
      {u"x(a)", u"$1"},
      {u"((?<!b)a|c)u", u"($1)"},
      {u"a(b|c)?e", u"$1$&"},
      {u"(ab)?cu", u"\\U$1"},  // a format left to the library
      {u"ab?c", u"-"},
  };
  const std::u16string alphabet = u"abcxyeur-";
  std::mt19937 rng(3);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 60);
  for (const auto& r : rules) {
    const RegexRule rule(r.pattern, r.format);
    for (int round = 0; round < 1500; ++round) {
      std::u16string text;
      for (int n = length(rng); n > 0; --n) text += alphabet[pick(rng)];
      const std::wstring expected =
          boost::regex_replace(WidenUnits(text), rule.pattern, rule.format);
      ASSERT_EQ(rule.Apply(text), NarrowUnits(expected)) << "rule " << (&r - rules);
    }
  }
}

}  // namespace
