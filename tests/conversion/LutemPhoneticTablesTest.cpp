#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "conversion/AvroPhoneticScheme.h"
#include "conversion/CodePoints.h"
#include "conversion/LutemPhoneticScheme.h"
#include "support/TestText.h"

namespace {


const LutemPhoneticScheme& Lutem() {
  static const LutemPhoneticScheme s;
  return s;
}

TEST(LutemPhoneticTables, EdgeCases) {
  const struct {
    const char* keys;
    std::u32string out;
  } cases[] = {
      {"mpl", U"\u09AE\u09AA\u09CD\u09B2"},
      {"mp", U"\u09AE\u09CD\u09AA"},
      {"spl", U"\u09B8\u09CD\u09AA\u09CD\u09B2"},
      {"nsh", U"\u09A8\u09B6"},
      {"ns", U"\u09A8\u09CD\u09B8"},
      {"TH", U"\u09CE"},
      {"X", U"\u09CE"},
      {"x", U"\u0995\u09CD\u09B8"},
      {"q", U"\u0995"},
      {"::", U"\u0983"},
      {":`", U":"},
      {".`", U"."},
      {".", U"\u0964"},
      {"..", U"\u0964\u0964"},
      {"...", U"..."},
      {".5", U".\u09EB"},
      {"5", U"\u09EB"},
      {"kry", U"\u0995\u09CD\u09B0\u09CD\u09AF"},
      {"k,.", U"\u0995\u09CD\u200C"},
      {"k::", U"\u0995\u0983"},
      {"t``", U"\u09CE"},
      {"oZA", U"\u0985\u09CD\u09AF\u09BE"},
      {"rZ", U"\u09B0\u200D\u09CD\u09AF"},
      {"ngH", U"\u0982\u09B9"},
      {"$", U"\u09F3"},
      {"``", U"`"},
      {"^", U"\u0981"},
  };
  for (const auto& c : cases) EXPECT_EQ(U8(c.out), Lutem().Convert(c.keys)) << c.keys;
}

// "ee" is a long-i key: its own vowel sign after a consonant, ঈ elsewhere,
// never the Latin letters.
TEST(LutemPhoneticTables, DoubleEIsLongI) {
  EXPECT_EQ(U8(U"\u0995\u09C0"), Lutem().Convert("kee"));
  EXPECT_EQ(U8(U"\u0988"), Lutem().Convert("ee"));
  EXPECT_EQ(U8(U"\u0986\u0988"), Lutem().Convert("aee"));
  EXPECT_EQ(U8(U"\u09AC\u09C0\u09B0"), Lutem().Convert("beer"));
}

// Every conjunct value but the listed exceptions is its letters joined by the
// hasanta, reading the longest letter key from the left each time.
TEST(LutemPhoneticTables, ConjunctsFollowTheLetterRule) {
  const auto& s = Lutem();
  std::map<std::string, std::string> letters;
  s.consonants.ForEachKey([&](const std::string& k) {
    if (k.find('_') == std::string::npos) letters[k] = *s.consonants.Find(k);
  });
  letters["r"] = U8(U"\u09B0");
  letters["y"] = U8(U"\u09AF");
  letters["Z"] = U8(U"\u09AF");
  const std::string hasanta = U8(U"\u09CD");

  const std::vector<std::string> exceptions = {
      "kkh", "kx",  "kkhN", "kxN", "kkhm", "kxm", "Ngkkh", "Ngkx", "gg",  "GG",
      "Gg",  "gG",  "Ghn",  "nk",  "nkh",  "ngh", "ngo",   "nga",  "ngi", "ngI",
      "ngu", "ngU", "nge",  "ngO", "ngOI", "ngOU", "ngH",  "nc",   "nch", "nj",
      "njh", "Nn",  "nsh",  "mpl", "t``",  "rZ",  "ry",    "oZ",   "oZA"};
  ASSERT_EQ(39u, exceptions.size());
  size_t ruled = 0;
  s.conjuncts.ForEachKey([&](const std::string& key) {
    for (const auto& e : exceptions)
      if (e == key) return;
    std::string expected;
    for (size_t i = 0; i < key.size();) {
      size_t len = key.size() - i;
      while (len > 0 && !letters.count(key.substr(i, len))) --len;
      ASSERT_GT(len, 0u) << key;
      if (!expected.empty()) expected += hasanta;
      expected += letters[key.substr(i, len)];
      i += len;
    }
    EXPECT_EQ(expected, *s.conjuncts.Find(key)) << key;
    ++ruled;
  });
  EXPECT_EQ(248u - 39u, ruled);
}

TEST(LutemPhoneticTables, ConjunctExceptionValues) {
  const auto& c = Lutem().conjuncts;
  const std::map<std::string, std::u32string> expected = {
      {"kkh", U"\u0995\u09CD\u09B7"},
      {"kxm", U"\u0995\u09CD\u09B7\u09CD\u09AE"},
      {"Ngkx", U"\u0999\u09CD\u0995\u09CD\u09B7"},
      {"gG", U"\u099C\u09CD\u099E"},
      {"Ghn", U"\u0998\u09CD\u09A8"},
      {"nkh", U"\u0999\u09CD\u0996"},
      {"ngo", U"\u0999\u09CD\u0997"},
      {"ngOU", U"\u0999\u09CD\u0997\u09CC"},
      {"njh", U"\u099E\u09CD\u099D"},
      {"Nn", U"\u09A3\u09CD\u09A3"},
      {"ry", U"\u09B0\u200D\u09CD\u09AF"},
      {"oZ", U"\u0985\u09CD\u09AF"},
  };
  for (const auto& [key, value] : expected) {
    ASSERT_TRUE(c.Contains(key)) << key;
    EXPECT_EQ(U8(value), *c.Find(key)) << key;
  }
}

}  // namespace
