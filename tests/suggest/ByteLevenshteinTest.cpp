#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "conversion/CodePoints.h"
#include "suggest/ByteLevenshtein.h"

namespace {

TEST(ByteLevenshteinTest, CountsByteEdits) {
  struct Case {
    std::string a, b;
    int32_t distance;
  } cases[] = {
      {"", "", 0},
      {"abc", "", 3},
      {"", "ab", 2},
      {"same", "same", 0},
      {"kitten", "sitting", 3},
      {"flaw", "lawn", 2},
      // ম and স differ in their last UTF-8 byte only.
      {Utf8FromCodePoints(U"\u0995\u09B2\u09AE"), Utf8FromCodePoints(U"\u0995\u09B2\u09B8"), 1},
      // one letter more is three bytes more
      {Utf8FromCodePoints(U"\u0995"), Utf8FromCodePoints(U"\u0995\u09CD\u09B7"), 6},
      {"\xFF\x01", "\x01\xFF", 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ByteLevenshteinDistance(c.a, c.b), c.distance) << c.a << " / " << c.b;
    EXPECT_EQ(ByteLevenshteinDistance(c.b, c.a), c.distance) << c.b << " / " << c.a;
  }
}

TEST(ByteLevenshteinTest, BoundedDistanceIsTheDistanceCappedAtLimitPlusOne) {
  std::mt19937 random(3);
  auto word = [&](size_t maxLength) {
    std::string w(random() % (maxLength + 1), 'a');
    for (char& c : w) c = static_cast<char>('a' + random() % 3);
    return w;
  };
  for (int i = 0; i < 5000; ++i) {
    std::string a = word(10);
    std::string b = word(10);
    int32_t limit = static_cast<int32_t>(random() % 5);
    int32_t full = ByteLevenshteinDistance(a, b);
    ASSERT_EQ(BoundedByteLevenshteinDistance(a, b, limit), std::min(full, limit + 1))
        << a << " / " << b << " limit " << limit;
  }
  // Words longer than the rows kept on the stack.
  std::string longA(400, 'x');
  std::string longB = longA;
  longB[10] = 'y';
  longB.insert(300, "zz");
  EXPECT_EQ(BoundedByteLevenshteinDistance(longA, longB, 3), 3);
  EXPECT_EQ(BoundedByteLevenshteinDistance(longA, longB, 2), 3);
}

}  // namespace
