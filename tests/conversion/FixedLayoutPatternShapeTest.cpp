// A rule pass may run only over the stretches of text that can hold a match.
// These check the lengths that decision rests on, and that the pass gives
// exactly what the library gives over the whole text.
#include <gtest/gtest.h>

#include <random>
#include <string>

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

// Patterns shaped like the rule lists' (look-behind, alternatives of several
// lengths, optional groups, classes), on texts dense in their letters, so
// that matches sit next to each other, overlap windows and follow a
// look-behind letter at a window's edge.
TEST(FixedLayoutPatternShapeTest, WindowedPassGivesTheWholeTextResult) {
  const struct {
    const char16_t* pattern;
    const char16_t* format;
  } rules[] = {
      {u"(?<!x)(abc|ab|b|c)u", u"[\\1]"},
      {u"(?<!x)(ab|a)c", u"<$1>"},
      {u"(a[bc]a)(y?)e", u"E\\1\\2"},
      {u"r-([abc]-[abc])", u"\\1R"},
      {u"(?<=b)a(c|)", u"A$1"},
      {u"([abc])-r", u"r-$1"},
      {u"x(a)", u"$1"},
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
