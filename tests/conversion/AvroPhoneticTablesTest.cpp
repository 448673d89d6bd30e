#include <gtest/gtest.h>

#include <string>

#include "conversion/AvroPhoneticScheme.h"
#include "conversion/CodePoints.h"
#include "conversion/LutemPhoneticScheme.h"
#include "support/TestText.h"

namespace {


TEST(AvroPhoneticTables, DifferencesFromLutemPhonetic) {
  const AvroPhoneticScheme avro;
  const LutemPhoneticScheme lutem;
  const struct {
    const char* keys;
    std::u32string avro;
    std::u32string lutem;
  } cases[] = {
      {"kry", U"\u0995\u09B0\u200D\u09CD\u09AF", U"\u0995\u09CD\u09B0\u09CD\u09AF"},
      {"X", U"\u0995\u09CD\u09B8", U"\u09CE"},
      {"TH", U"\u099F\u09B9", U"\u09CE"},
      {"k,,", U"\u0995\u09CD\u200C", U"\u0995\u09CD"},
      {"k,.", U"\u0995,\u0964", U"\u0995\u09CD\u200C"},
      {"k::", U"\u0995::", U"\u0995\u0983"},
      {"3.14", U"\u09E9\u0964\u09E7\u09EA", U"\u09E9.\u09E7\u09EA"},
      {"wa", U"\u0993\u09DF\u09BE", U"\u0993\u09AF\u09BC\u09BE"},
      {"kwa", U"\u0995\u0993\u09DF\u09BE", U"\u0995\u09CD\u09AC\u09BE"},
      {"wai", U"\u0993\u09DF\u09BE\u0987", U"\u0993\u09AF\u09BC\u09BE\u0987"},
      {"mpl", U"\u09AE\u09CD\u09AA\u09CD\u09B2", U"\u09AE\u09AA\u09CD\u09B2"},
      {"oZA", U"\u0985\u09CD\u09AF\u09BE", U"\u0985\u09CD\u09AF\u09BE"},
      {":`", U"\u0983", U":"},
      {":", U":", U":"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(U8(c.avro), avro.Convert(c.keys)) << "Avro Phonetic: " << c.keys;
    EXPECT_EQ(U8(c.lutem), lutem.Convert(c.keys)) << "Lutem Phonetic: " << c.keys;
  }
  // Without an "ee" key, the two e's are a vowel sign and then a vowel.
  EXPECT_EQ(U8(U"\u0995\u09C7\u098F"), avro.Convert("kee"));
}

TEST(AvroPhoneticTables, RowsDroppedAndAdded) {
  const AvroPhoneticScheme avro;
  EXPECT_FALSE(avro.consonants.Contains("TH"));
  EXPECT_TRUE(avro.consonants.Contains("w_vowel"));
  EXPECT_FALSE(avro.conjuncts.Contains("kry"));
  EXPECT_FALSE(avro.conjuncts.Contains("zrZ"));
  EXPECT_FALSE(avro.conjuncts.Contains("oZA"));
  EXPECT_TRUE(avro.conjuncts.Contains("ry"));
  EXPECT_TRUE(avro.conjuncts.Contains("rZ"));
  EXPECT_TRUE(avro.conjuncts.Contains("Shkr"));
  EXPECT_TRUE(avro.conjuncts.Contains("oZ"));
  EXPECT_FALSE(avro.vowelSigns.Contains("ee"));
  EXPECT_FALSE(avro.signs.Contains("::"));
  EXPECT_FALSE(avro.signs.Contains(",."));
  EXPECT_FALSE(avro.digits.Contains(".1"));
}

}  // namespace
