// A conjunct row written with its vowel ("nga" gives ঙ্গা) ends as a vowel key
// does, in the three table-driven layouts: a phola or vowel key typed next
// writes its letter or independent vowel, never a hasanta or a second vowel
// sign behind the vowel sign.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "conversion/AvroPhoneticScheme.h"
#include "conversion/ConversionDispatcher.h"
#include "conversion/LowercaseScheme.h"
#include "conversion/LowercaseTableRows.h"
#include "conversion/LutemPhoneticScheme.h"
#include "conversion/VowelEnding.h"
#include "support/TestText.h"

namespace {

std::u16string Convert(std::u16string_view keys, int layout) {
  static const ConversionDispatcher dispatcher;
  return dispatcher.Convert(keys, layout, 0);
}

TEST(VowelEndingConjuncts, CommonWords) {
  const std::u16string angur = u"\u0986\u0999\u09CD\u0997\u09C1\u09B0";
  const std::u16string danger = u"\u09A6\u09BE\u0999\u09CD\u0997\u09C7\u09B0";
  const struct {
    const char16_t* keys;
    int layout;
    std::u16string out;
  } cases[] = {
      {u"angur", 1, angur},
      {u"angur", 3, angur},
      {u"angur", 8, angur},
      {u"danger", 1, danger},
      {u"danger", 3, danger},
      {u"danger", 8, danger},
      {u"wai", 3, u"\u0993\u09DF\u09BE\u0987"},
      {u"war", 3, u"\u0993\u09DF\u09BE\u09B0"},
      {u"oZAr", 1, u"\u0985\u09CD\u09AF\u09BE\u09B0"},
      {u"o\uF8FEz\uF8FEar", 8, u"\u0985\u09CD\u09AF\u09BE\u09B0"},
      {u"nguy", 1, u"\u0999\u09CD\u0997\u09C1\u09DF"},
      {u"ngaw", 1, u"\u0999\u09CD\u0997\u09BE\u0993"},
      {u"ngaw", 8, u"\u0999\u09CD\u0997\u09BE\u0993"},
      // "ngo" ends in its consonant (the vowel is the inherent one): a phola
      // still joins it.
      {u"ngor", 1, u"\u0999\u09CD\u0997\u09CD\u09B0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.out, Convert(c.keys, c.layout)) << "layout " << c.layout;
}

// Every row whose value ends in a vowel, in each scheme's tables, followed
// by "r" (a phola key) and by "i" (a vowel key).
template <typename Scheme>
void ExpectRowsEndAsVowels(const Scheme& scheme, const std::set<std::string>& expectedRows,
                           const char* name) {
  const std::string ra = U8(U"\u09B0");
  const std::string i = U8(U"\u0987");
  std::set<std::string> rows;
  scheme.conjuncts.ForEachKey([&](const std::string& key) {
    if (EndsInVowel(*scheme.conjuncts.Find(key))) rows.insert(key);
  });
  EXPECT_EQ(expectedRows, rows) << name;
  for (const std::string& key : rows) {
    const std::string& value = *scheme.conjuncts.Find(key);
    EXPECT_EQ(value + ra, scheme.Convert(key + "r")) << name << ": " << key;
    EXPECT_EQ(value + i, scheme.Convert(key + "i")) << name << ": " << key;
  }
}

TEST(VowelEndingConjuncts, EveryAffectedRow) {
  const std::set<std::string> ng = {"nga", "ngi", "ngI", "ngu", "ngU", "nge", "ngO", "ngOI", "ngOU"};
  std::set<std::string> lutem = ng;
  lutem.insert("oZA");
  std::set<std::string> avro = ng;
  avro.insert("wa");
  std::set<std::string> lowercase;
  for (const char* spelled : {"nga", "ngi", "ngI", "ngu", "ngU", "nge", "ngO", "ngOI", "ngOU", "oZA"})
    lowercase.insert(LowercaseKey(spelled));

  ExpectRowsEndAsVowels(LutemPhoneticScheme(), lutem, "Lutem Phonetic");
  ExpectRowsEndAsVowels(AvroPhoneticScheme(), avro, "Avro Phonetic");
  ExpectRowsEndAsVowels(LowercaseScheme(), lowercase, "Lowercase");
}

// In layout 8 a Shift before a key without a Shift form is a marker that
// writes nothing; it must not turn a vowel into a consonant context.
TEST(VowelEndingConjuncts, LoneShiftMarkerKeepsTheContext) {
  EXPECT_EQ(u"\u0986\u0993", Convert(u"a\uF8FEw", 8));
  EXPECT_EQ(u"\u0995\u09BE\u0993", Convert(u"ka\uF8FEW", 8));  // Shift held for W
  EXPECT_EQ(u"\u0995\u09CD\u09AC", Convert(u"k\uF8FEw", 8));
  EXPECT_EQ(u"\u0995", Convert(u"k\uF8FE", 8));
}

TEST(VowelEndingConjuncts, WhatCountsAsAVowelEnding) {
  const struct {
    std::string text;
    bool vowel;
  } cases[] = {
      {"", false},
      {"a", false},
      {U8(U"\u0995"), false},          // a consonant
      {U8(U"\u0995\u09CD"), false},    // hasanta
      {U8(U"\u0982"), false},          // anusvara
      {U8(U"\u09BE"), true},           // first vowel sign
      {U8(U"\u09CC"), true},           // last two-part vowel sign
      {U8(U"\u09E3"), true},           // vocalic ll sign
      {U8(U"\u0985"), true},           // first independent vowel
      {U8(U"\u0994"), true},
      {U8(U"\u09E1"), true},
      {U8(U"\u09BE").substr(0, 2), false},  // a cut character
      {U8(U"\u09BE") + "k", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.vowel, EndsInVowel(c.text)) << c.text;
}

}  // namespace
