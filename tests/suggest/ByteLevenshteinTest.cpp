#include <gtest/gtest.h>

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

}  // namespace
