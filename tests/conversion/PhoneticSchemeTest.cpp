// The shared token loop, run with both schemes' tables.
#include <gtest/gtest.h>

#include <string>

#include "conversion/AvroPhoneticScheme.h"
#include "conversion/CodePoints.h"
#include "conversion/LutemPhoneticScheme.h"
#include "support/TestText.h"

namespace {


const LutemPhoneticScheme& Lutem() {
  static const LutemPhoneticScheme s;
  return s;
}
const AvroPhoneticScheme& Avro() {
  static const AvroPhoneticScheme s;
  return s;
}

struct BothCase {
  const char* keys;
  std::u32string lutem;
  std::u32string avro;
};

TEST(PhoneticScheme, TokenLoopEdgeCasesInBothSchemes) {
  const std::u32string ami = U"\u0986\u09AE\u09BF";
  const BothCase cases[] = {
      {"", U"", U""},
      {"ami", ami, ami},
      {"ami bhalo", ami + U" \u09AD\u09BE\u09B2", ami + U" \u09AD\u09BE\u09B2"},
      {"o", U"\u0985", U"\u0985"},
      {"ao", U"\u0986\u0993", U"\u0986\u0993"},
      {"ko", U"\u0995", U"\u0995"},
      {"kok", U"\u0995\u0995", U"\u0995\u0995"},
      {"Ka", U"\u0995\u09BE", U"\u0995\u09BE"},
      {"Ta", U"\u099F\u09BE", U"\u099F\u09BE"},
      {"#", U"#", U"#"},
      {"kw", U"\u0995\u09CD\u09AC", U"\u0995\u09CD\u09AC"},
      {"w", U"\u0993", U"\u0993"},
      {"wa", U"\u0993\u09AF\u09BC\u09BE", U"\u0993\u09DF\u09BE"},
      {"we", U"\u0993\u09AF\u09BC\u09C7", U"\u0993\u09AF\u09BC\u09C7"},
      {"kwa", U"\u0995\u09CD\u09AC\u09BE", U"\u0995\u0993\u09DF\u09BE"},
      // Avro's "wa" conjunct ends in a vowel sign, so "i" is the vowel ই.
      {"wai", U"\u0993\u09AF\u09BC\u09BE\u0987", U"\u0993\u09DF\u09BE\u0987"},
      {"kr", U"\u0995\u09CD\u09B0", U"\u0995\u09CD\u09B0"},
      {"r", U"\u09B0", U"\u09B0"},
      {"y", U"\u09DF", U"\u09DF"},
      {"ky", U"\u0995\u09CD\u09AF", U"\u0995\u09CD\u09AF"},
      {"kz", U"\u0995\u09CD\u09AF", U"\u0995\u09CD\u09AF"},
      {"rrk", U"\u09B0\u09CD\u0995", U"\u09B0\u09CD\u0995"},
      {"kh", U"\u0996", U"\u0996"},
      {"k`h", U"\u0995\u09B9", U"\u0995\u09B9"},
      {"3.14", U"\u09E9.\u09E7\u09EA", U"\u09E9\u0964\u09E7\u09EA"},
      {"k,,", U"\u0995\u09CD", U"\u0995\u09CD\u200C"},
      {"ka^", U"\u0995\u09BE\u0981", U"\u0995\u09BE\u0981"},
      {"ng", U"\u0982", U"\u0982"},
      {"nga", U"\u0999\u09CD\u0997\u09BE", U"\u0999\u09CD\u0997\u09BE"},
      {"krri", U"\u0995\u09C3", U"\u0995\u09C3"},
      {"shri", U"\u09B6\u09CD\u09B0\u09BF", U"\u09B6\u09CD\u09B0\u09BF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(U8(c.lutem), Lutem().Convert(c.keys)) << "Lutem Phonetic: " << c.keys;
    EXPECT_EQ(U8(c.avro), Avro().Convert(c.keys)) << "Avro Phonetic: " << c.keys;
  }
}

TEST(PhoneticScheme, NormalizeCaseKeepsOnlyMeaningfulCapitals) {
  std::string all;
  for (char c = 'A'; c <= 'Z'; ++c) all += c;
  EXPECT_EQ("AbcDEfGHIJklmNOpqRSTUvwXYZ", Lutem().NormalizeCase(all));
  EXPECT_EQ("09 .,\xE0\xA6\x95\xFF", Lutem().NormalizeCase("09 .,\xE0\xA6\x95\xFF"));
}

TEST(PhoneticScheme, TokenizerTakesLongestKeyAndSplitsUnknownBytes) {
  using V = std::vector<std::string>;
  EXPECT_EQ(V{}, Lutem().Tokenize(""));
  EXPECT_EQ((V{"kh", "a"}), Lutem().Tokenize("kha"));
  EXPECT_EQ((V{"Shkr", "i"}), Lutem().Tokenize("Shkri"));
  // A pseudo key typed in full is a key like any other.
  EXPECT_EQ((V{"Rh_consonant"}), Lutem().Tokenize("Rh_consonant"));
  // A character no key holds comes apart into its bytes, in order.
  EXPECT_EQ((V{"\xE0", "\xA6", "\x95"}), Lutem().Tokenize("\xE0\xA6\x95"));
  EXPECT_EQ("\xE0\xA6\x95", Lutem().Convert("\xE0\xA6\x95"));
}

// The loop looks up fixed keys without checking; these must hold for both.
template <typename Scheme>
void ExpectTableInvariants(const Scheme& s, const char* name) {
  SCOPED_TRACE(name);
  s.initialVowels.ForEachKey([&](const std::string& k) {
    EXPECT_TRUE(s.vowelSigns.Contains(k)) << k;
    EXPECT_TRUE(s.vowelsAfterVowel.Contains(k)) << k;
  });
  EXPECT_TRUE(s.vowelsAfterVowel.Contains("O"));
  EXPECT_EQ(5u, s.phola.size());
  for (const char* k : {"w", "y", "z", "Z", "r"}) EXPECT_TRUE(s.phola.Contains(k)) << k;
  for (const char* k : {"r_consonant", "Y_consonant", "z"}) EXPECT_TRUE(s.consonants.Contains(k)) << k;
  EXPECT_EQ(12u, s.maxKeyLength);
}

TEST(PhoneticScheme, TablesKeepTheInvariantsTheLoopRelies) {
  ExpectTableInvariants(Lutem(), "Lutem Phonetic");
  ExpectTableInvariants(Avro(), "Avro Phonetic");
}

struct Counts {
  size_t initialVowels, vowelsAfterVowel, vowelSigns, consonants, conjuncts, signs, punctuation,
      phola, reph, digits, total;
};

template <typename Scheme>
void ExpectCounts(const Scheme& s, const Counts& c) {
  EXPECT_EQ(c.initialVowels, s.initialVowels.size());
  EXPECT_EQ(c.vowelsAfterVowel, s.vowelsAfterVowel.size());
  EXPECT_EQ(c.vowelSigns, s.vowelSigns.size());
  EXPECT_EQ(c.consonants, s.consonants.size());
  EXPECT_EQ(c.conjuncts, s.conjuncts.size());
  EXPECT_EQ(c.signs, s.signs.size());
  EXPECT_EQ(c.punctuation, s.punctuation.size());
  EXPECT_EQ(c.phola, s.phola.size());
  EXPECT_EQ(c.reph, s.reph.size());
  EXPECT_EQ(c.digits, s.digits.size());
  size_t total = s.initialVowels.size() + s.vowelsAfterVowel.size() + s.vowelSigns.size() +
                 s.consonants.size() + s.conjuncts.size() + s.signs.size() +
                 s.punctuation.size() + s.phola.size() + s.reph.size() + s.digits.size();
  EXPECT_EQ(c.total, total);
}

TEST(PhoneticScheme, TableRowCounts) {
  {
    SCOPED_TRACE("Lutem Phonetic");
    ExpectCounts(Lutem(), {14, 14, 16, 49, 248, 19, 8, 5, 1, 20, 394});
  }
  {
    SCOPED_TRACE("Avro Phonetic");
    ExpectCounts(Avro(), {14, 14, 15, 49, 184, 18, 8, 5, 1, 10, 318});
  }
}

TEST(PhoneticScheme, KeySetHoldsEveryKeyOfEveryMap) {
  const auto& s = Lutem();
  for (const RuleMap* m : {&s.initialVowels, &s.vowelsAfterVowel, &s.vowelSigns, &s.consonants,
                           &s.conjuncts, &s.signs, &s.punctuation, &s.phola, &s.reph, &s.digits}) {
    m->ForEachKey([&](const std::string& k) { EXPECT_TRUE(s.keys.Contains(k)) << k; });
  }
  EXPECT_FALSE(s.keys.Contains("ee "));
  EXPECT_FALSE(s.keys.Contains(""));
}

}  // namespace
