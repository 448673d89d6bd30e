// The rows of the Lowercase scheme's maps: sizes, the cluster rule and its
// exceptions, and the precomposed nukta letters.
#include <gtest/gtest.h>

#include <string>

#include "conversion/CodePoints.h"
#include "conversion/LowercaseScheme.h"
#include "support/TestText.h"

#define SHIFT "\xEF\xA3\xBE"

namespace {


const LowercaseScheme& Scheme() {
  static const LowercaseScheme s;
  return s;
}

TEST(LowercaseTables, RowCountsKeyCountAndLongestKey) {
  const auto& s = Scheme();
  EXPECT_EQ(14u, s.initialVowels.size());
  EXPECT_EQ(16u, s.vowelSigns.size());
  EXPECT_EQ(53u, s.consonants.size());
  EXPECT_EQ(251u, s.conjuncts.size());
  EXPECT_EQ(18u, s.signs.size());
  EXPECT_EQ(28u, s.punctuation.size());
  EXPECT_EQ(5u, s.phola.size());
  EXPECT_EQ(1u, s.reph.size());
  EXPECT_EQ(10u, s.digits.size());
  EXPECT_EQ(378u, s.keys.size());
  EXPECT_EQ(12u, s.maxKeyLength);
}

TEST(LowercaseTables, OwnCopiesOfTheSigns) {
  EXPECT_EQ("\xE0\xA7\x8D", Scheme().hasanta);
  EXPECT_EQ("\xE2\x80\x8D", Scheme().zwj);
  EXPECT_EQ("\xE2\x80\x8C", Scheme().zwnj);
}

TEST(LowercaseTables, NoKeyHoldsACapitalExceptThePseudoKeys) {
  const auto& s = Scheme();
  for (const RuleMap* m : {&s.initialVowels, &s.vowelSigns, &s.consonants, &s.conjuncts, &s.signs,
                           &s.punctuation, &s.phola, &s.reph, &s.digits}) {
    m->ForEachKey([&](const std::string& k) {
      if (k.find('_') != std::string::npos) return;
      for (char c : k) EXPECT_FALSE(c >= 'A' && c <= 'Z') << k;
      EXPECT_TRUE(s.keys.Contains(k)) << k;
    });
  }
}

TEST(LowercaseTables, NuktaLettersArePrecomposed) {
  const auto& s = Scheme();
  const std::string nukta = U8(U"\u09BC");
  for (const RuleMap* m : {&s.initialVowels, &s.vowelSigns, &s.consonants, &s.conjuncts, &s.signs,
                           &s.punctuation, &s.phola, &s.reph, &s.digits}) {
    m->ForEachKey([&](const std::string& k) {
      EXPECT_EQ(std::string::npos, m->Find(k)->find(nukta)) << k;
    });
  }
  EXPECT_EQ(U8(U"\u09DF"), *s.consonants.Find(SHIFT "y"));
  EXPECT_EQ(U8(U"\u09DC"), *s.consonants.Find(SHIFT "r"));
  EXPECT_EQ(U8(U"\u09DD"), *s.consonants.Find("Rh_consonant"));
  EXPECT_EQ(U8(U"\u09DC\u09CD\u0997"), s.Convert(SHIFT "rg"));
}

TEST(LowercaseTables, Clusters) {
  const std::u32string ksa = U"\u0995\u09CD\u09B7";
  const std::u32string jnya = U"\u099C\u09CD\u099E";
  const std::u32string rya = U"\u09B0\u200D\u09CD\u09AF";
  const struct {
    const char* keys;
    std::u32string out;
  } cases[] = {
      {"kry", U"\u0995\u09CD\u09B0\u09CD\u09AF"},
      {"khry", U"\u0996\u09CD\u09B0\u09CD\u09AF"},
      {"khr" SHIFT "z", U"\u0996\u09CD\u09B0\u09CD\u09AF"},
      {"k" SHIFT "t", U"\u0995\u09CD\u099F"},
      {SHIFT "n" SHIFT "d", U"\u09A3\u09CD\u09A1"},
      {SHIFT "sh" SHIFT "t", U"\u09B7\u09CD\u099F"},
      {SHIFT "sh" SHIFT "n", U"\u09B7\u09CD\u09A3"},
      {SHIFT "shkr", U"\u09B7\u09CD\u0995\u09CD\u09B0"},
      {"kkh" SHIFT "n", ksa + U"\u09CD\u09A3"},
      {SHIFT "ngkx", U"\u0999\u09CD" + ksa},
      {SHIFT "sh" SHIFT "th", U"\u09B7\u09CD\u09A0"},
      {"mpl", U"\u09AE\u09CD\u09AA\u09CD\u09B2"},
      {"kkh", ksa},
      {"kx", ksa},
      {"k" SHIFT "h", ksa},
      {"gg", jnya},
      {SHIFT "g" SHIFT "g", jnya},
      {SHIFT "gg", jnya},
      {"g" SHIFT "g", jnya},
      {"nk", U"\u0999\u09CD\u0995"},
      {"nc", U"\u099E\u09CD\u099A"},
      {"nsh", U"\u09A8\u09B6"},
      {"ng" SHIFT "h", U"\u0982\u09B9"},
      {"ry", rya},
      {"r" SHIFT "z", rya},
      {"nga", U"\u0999\u09CD\u0997\u09BE"},
      // The consonant context holds after these two.
      {"o" SHIFT "z", U"\u0985\u09CD\u09AF"},
      {"o" SHIFT "z" SHIFT "a", U"\u0985\u09CD\u09AF\u09BE"},
      {"o" SHIFT "zr", U"\u0985\u09CD\u09AF\u09CD\u09B0"},
  };
  for (const auto& c : cases) EXPECT_EQ(U8(c.out), Scheme().Convert(c.keys)) << c.keys;
}

}  // namespace
