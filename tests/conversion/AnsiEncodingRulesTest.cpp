// The ANSI form: the glyph codes and visual order legacy fonts need, and the
// dispatcher's ANSI pass after every layout.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "conversion/AnsiEncodingRules.h"
#include "conversion/ConversionDispatcher.h"
#include "conversion/WideToUtf8.h"

namespace {

TEST(AnsiEncodingRulesTest, ListIsComplete) {
  const RuleList& list = AnsiEncodingRules();
  EXPECT_FALSE(list.failed());
  EXPECT_EQ(list.size(), 259u);
  // The word-initial ai is written through an escaped character.
  EXPECT_EQ(list.rules().at(171).replacement, u" \\\u02C6");
}

struct AnsiCase {
  const char16_t* unicode;
  const char16_t* ansi;
};

template <size_t N>
void ExpectAnsi(const AnsiCase (&cases)[N]) {
  for (const AnsiCase& c : cases)
    EXPECT_EQ(AnsiEncodingRules().Apply(c.unicode), c.ansi) << "case " << (&c - cases);
}

TEST(AnsiEncodingRulesTest, Conversions) {
  const AnsiCase cases[] = {
      // Signs drawn before the consonant come first; at the text start e and ai
      // take their word-initial codes.
      {u"\u0995\u09BF", u"wK"},
      {u"\u0995\u09C7", u"\u2020K"},
      {u"\u0995\u09CB", u"\u2020Kv"},
      {u"\u0995\u09CC", u"\u2020K\u0160"},
      {u"\u0995\u09C8", u"\u02C6K"},
      {u"\u0986\u09AE\u09BF", u"Avwg"},
      {u"\u09AC\u09BE\u0982\u09B2\u09BE", u"evsjv"},
      {u"\u09B9\u09C7\u09B2\u09CB", u"\u2020n\u2021jv"},
      {u"\u0986\u09AE\u09BF \u0995\u09C7", u"Avwg \u2021K"},
      {u" \u09C7", u" \u2020"},
      {u" \u09C8", u" \u02C6"},
      {u"\u09C8", u"\u02C6"},
      // The reph comes after the syllable.
      {u"\u09B0\u09CD\u0995\u09BF", u"wK\u00A9"},
      {u"\u09B0\u09CD\u0995\u09CB", u"\u2020K\u00A9v"},
      {u"\u09B0\u09CD\u0995\u09CD\u09A4\u09BF", u"w\u00B3\u00A9"},
      // Conjuncts and context-dependent sign glyphs.
      {u"\u0995\u09CD\u09B7", u"\u00B6"},
      {u"\u0995\u09CD\u09A4\u09CD\u09B0", u"\u00B3\u00AB"},
      {u"\u09B8\u09CD\u09A4\u09CD\u09B0\u09C0", u"\u00AF\u00BFx"},
      {u"\u0995\u09CD\u09B0\u09C1", u"\u00B5z"},
      {u"\u09B6\u09C1", u"\u00EF"},
      {u"\u09B9\u09C3", u"\u00FC"},
      {u"\u0995\u09C3", u"K\u2026"},
      {u"\u0995\u09CD\u09AF", u"K\u00A8"},
      {u"\u0995\u09CD", u"K&"},
      {u"\u09A3\u09CD\u09A2", u"\u2212"},
      // Decomposed nukta letters, and the joiners.
      {u"\u09A1\u09BC", u"o"},
      {u"\u09AC\u09BC", u"i"},
      {u"\u09B0\u200D\u09CD\u09AF", u"i\u00A8"},
      {u"\u09B0\u09CD\u200C\u09CD\u09AF", u"\u200C\u00A9\u00A8"},
      {u"\u200C", u"\u200C"},
      // Digits, symbols, quotes; Latin passes.
      {u"\u09E7\u09E8\u09E9", u"123"},
      {u"\u09F3", u"$"},
      {u"\u0964", u"|"},
      {u"_", u"\u00D1"},
      {u"\u2018\u2019\u201C\u201D", u"\u00D4\u00D5\u00D2\u00D3"},
      {u"Latin text 42", u"Latin text 42"},
      {u"", u""},
  };
  ExpectAnsi(cases);
}

// The glyphs that depend on the cluster before the sign, one case per kind of
// rule, read off the list: a rule lost or mistyped among them changes these.
TEST(AnsiEncodingRulesTest, ClusterDependentGlyphs) {
  const AnsiCase cases[] = {
      {u"\u0995\u09C1", u"Kz"},                          // u after a consonant
      {u"\u0995\u09C2", u"K\u201A"},                    // uu
      {u"\u09B8\u09CD\u09A4\u09C2", u"\u00AF\u00CD~"},  // uu after a conjunct
      {u"\u0996\u09CD\u09B0\u09CD\u09AF", u"L\u00AA\u00A8"},
      {u"\u0997\u09CD\u09B0\u09CD\u09AF", u"M\u00D6\u00A8"},
      {u"\u099C\u09CD\u09AC", u"R\u00A1"},               // ba-phala
      {u"\u09A7\u09CD\u09A8", u"a\u0153"},
      {u"\u0997\u09CD\u09AE", u"M\u00A5"},
      {u"\u09AA\u09CD\u09B2", u"c\u00F8"},
      {u"\u0999\u09CD\u0997\u09C1", u"\u00BDy"},
      {u"\u09B0\u09C1", u"i\u00E6"},
      {u"\u09B0\u09C2", u"i\u0192"},
      // After a hasanta the look-behind keeps the sign off the consonant.
      {u"\u09CD\u0995\u09C1", u"&Ky"},
  };
  ExpectAnsi(cases);
}

const int kLayouts[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1};

TEST(AnsiEncodingRulesTest, DispatcherRunsTheAnsiPassAfterEveryLayout) {
  ConversionDispatcher d;
  for (int layout : kLayouts)
    for (const char16_t* keys : {u"cjf", u"[k/t|", u"ami kemon", u"jAc 12"}) {
      const std::u16string unicode = d.Convert(keys, layout, 0);
      EXPECT_EQ(d.Convert(keys, layout, 1), AnsiEncodingRules().Apply(unicode)) << layout;
      // Only 1 means ANSI.
      EXPECT_EQ(d.Convert(keys, layout, 2), unicode);
    }
  EXPECT_EQ(d.Convert(u"cjf", 4, 1), u"\u2020Kv");
}

// The dispatcher keeps the text in UTF-16 across the list. That must give what
// a UTF-8 round trip around every rule gives, for any text, well formed or not.
TEST(AnsiEncodingRulesTest, UnitTextGivesTheSameAsARoundTripPerRule) {
  const std::vector<char16_t> alphabet = [] {
    std::vector<char16_t> a = {u' ', u'a', u'_', u'^', u'$', u'\\', 0x2018, 0x201D, 0x200C,
                               0x200D, 0x2021, 0x2030, 0x00A9, 0xD800, 0xDC00, 0xDBFF, 0xFFFD,
                               0x0000, 0xE000};
    for (char16_t c = 0x0981; c <= 0x09FA; ++c) a.push_back(c);
    for (char16_t c : {0x0995, 0x09B0, 0x09CD, 0x09CD, 0x09C7, 0x09BF, 0x09C1, 0x09BC})
      a.push_back(c);  // the common ones more often
    return a;
  }();
  std::mt19937 rng(4);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 24);
  for (int round = 0; round < 300; ++round) {
    std::u16string keys;
    for (int n = length(rng); n > 0; --n) keys += alphabet[pick(rng)];
    const std::string utf8 = WideToUtf8(keys);
    std::string reference = utf8;
    for (const RegexRule& rule : AnsiEncodingRules().rules())
      reference = WideToUtf8(rule.Apply(Utf8ToWide(reference)));
    ASSERT_EQ(AnsiEncodingRules().Apply(Utf8ToWide(utf8)), Utf8ToWide(reference)) << round;
  }
}

}  // namespace
