// The Lowercase token loop: one yes/no consonant context, the Shift marker
// in the keys, and the rule of its own for "o".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/CodePoints.h"
#include "conversion/LowercaseScheme.h"
#include "support/TestText.h"

// The Shift marker U+F8FE as the dispatcher hands it over.
#define SHIFT "\xEF\xA3\xBE"

namespace {


const LowercaseScheme& Scheme() {
  static const LowercaseScheme s;
  return s;
}

struct Case {
  const char* keys;
  std::u32string out;
};

void ExpectConversions(const std::vector<Case>& cases) {
  for (const auto& c : cases) EXPECT_EQ(U8(c.out), Scheme().Convert(c.keys)) << c.keys;
}

TEST(LowercaseScheme, VowelsAndTheRuleForO) {
  ExpectConversions({
      {"", U""},
      {"kok", U"\u0995\u0995"},
      {"o", U"\u0985"},
      {"ao", U"\u0986\u0993"},
      {"io", U"\u0987\u0993"},
      {"uo", U"\u0989\u0985"},  // উ does not count as a vowel for "o"
      {"koo", U"\u0995\u09C1"},
      {"ee", U"\u0988"},  // outside a consonant, as Shift+i
      {"ami ee tumi", U"\u0986\u09AE\u09BF \u0988 \u09A4\u09C1\u09AE\u09BF"},
      {"aee", U"\u0986\u0988"},
      {"kee", U"\u0995\u09C0"},
      {SHIFT "a", U"\u0986"},
      {"k" SHIFT "a", U"\u0995\u09BE"},
      {"rri", U"\u098B"},
      {"krri", U"\u0995\u09C3"},
  });
}

TEST(LowercaseScheme, PholaKeys) {
  ExpectConversions({
      {"w", U"\u0993"},
      {"wa", U"\u0993\u0986"},  // no look-ahead, and w ends the context
      {"wk", U"\u0993\u0995"},
      {"kw", U"\u0995\u09CD\u09AC"},
      {"kww", U"\u0995\u09CD\u09AC\u09CD\u09AC"},
      {"r", U"\u09B0"},
      {"kr", U"\u0995\u09CD\u09B0"},
      {"rr", U"\u09B0\u09CD"},
      {"rrk", U"\u09B0\u09CD\u0995"},
      {"y", U"\u09DF"},
      {"ky", U"\u0995\u09CD\u09AF"},
      {"kya", U"\u0995\u09CD\u09AF\u09BE"},
      {"z", U"\u09AF"},
      {"kz", U"\u0995\u09CD\u09AF"},
      {SHIFT "z", U"\u09AF"},
      {"k" SHIFT "z", U"\u0995\u09CD\u09AF"},
  });
}

TEST(LowercaseScheme, MarkerDigitsSignsAndPunctuation) {
  ExpectConversions({
      {SHIFT, U""},
      {SHIFT SHIFT, U""},
      {"k" SHIFT, U"\u0995"},
      {",,", U"\u09CD\u200C"},
      {"k,,k", U"\u0995\u09CD\u200C\u0995"},
      {"1", U"\u09E7"},
      {SHIFT "1", U"!"},
      {SHIFT "4", U"$"},
      {SHIFT "$", U"\u09F3"},  // the lone marker writes nothing, then $ converts
      {"$", U"\u09F3"},
      {SHIFT "6", U"\u0981"},
      {SHIFT "/", U"?"},
      {"x", U"\u0995\u09CD\u09B8"},
      {SHIFT "x", U"\u09CE"},
      {"k k", U"\u0995 \u0995"},
      {"#", U"#"},
      {"^", U"\u0981"},
      {"t``", U"\u09CE"},
      {"o`", U""},
      {SHIFT "o`", U"\u09CB"},
      {"ng", U"\u0982"},
      {"ngk", U"\u0982\u0995"},
  });
}

TEST(LowercaseScheme, Words) {
  ExpectConversions({
      {"amar", U"\u0986\u09AE\u09BE\u09B0"},
      {"korchi", U"\u0995\u09B0\u099B\u09BF"},
      {"bangla", U"\u09AC\u09BE\u0982\u09B2\u09BE"},
      {"r_consonant", U"\u09B0"},
      {"w_vowel", U"\u0993"},
      {"ami bhalo", U"\u0986\u09AE\u09BF \u09AD\u09BE\u09B2"},
  });
}

TEST(LowercaseScheme, UnknownBytesPassThroughWhole) {
  // A character no key starts is copied byte by byte, intact, and a stray
  // continuation byte of the marker does not swallow its neighbours.
  ExpectConversions({
      {"\xE0\xA6\x95", U"\u0995"},
      {"k\xF0\x9F\x98\x80" "a", U"\u0995\U0001F600\u0986"},
  });
  EXPECT_EQ("\xEF\xA3" + U8(U"\u0986"), Scheme().Convert("\xEF\xA3" "a"));
}

TEST(LowercaseScheme, TokenizerKeepsTheMarkerWhole) {
  using V = std::vector<std::string>;
  EXPECT_EQ(V{}, Scheme().Tokenize(""));
  EXPECT_EQ((V{SHIFT, "$"}), Scheme().Tokenize(SHIFT "$"));
  EXPECT_EQ((V{SHIFT "o" SHIFT "i", "k"}), Scheme().Tokenize(SHIFT "o" SHIFT "ik"));
  EXPECT_EQ((V{"kh", "a"}), Scheme().Tokenize("kha"));
  EXPECT_EQ((V{"Rh_consonant"}), Scheme().Tokenize("Rh_consonant"));
}

TEST(LowercaseScheme, NormalizeCaseIsTheSharedRule) {
  EXPECT_EQ("abcD", LowercaseScheme::NormalizeCase("aBCD"));
  EXPECT_EQ(SHIFT "t", LowercaseScheme::NormalizeCase(SHIFT "t"));
}

TEST(LowercaseScheme, EndsWithVowel) {
  for (const char32_t* v :
       {U"\u09BE", U"\u09BF", U"\u09C0", U"\u09C1", U"\u09C2", U"\u09C3", U"\u09C7", U"\u09C8",
        U"\u09CB", U"\u09CC", U"\u0985", U"\u0986", U"\u0987", U"\u0988", U"\u098F", U"\u0990",
        U"\u0994", U"\u0993", U"\u098B"}) {
    EXPECT_TRUE(LowercaseScheme::EndsWithVowel(U8(std::u32string(U"\u0995") + v)));
  }
  for (const char32_t* s : {U"", U"\u0989", U"\u098A", U"\u0995", U"a", U"\u09BEa", U"\u0982"})
    EXPECT_FALSE(LowercaseScheme::EndsWithVowel(U8(s))) << U8(s);
  // The last bytes of a vowel alone are not a vowel.
  EXPECT_FALSE(LowercaseScheme::EndsWithVowel(U8(U"\u09BE").substr(1)));
}

}  // namespace
