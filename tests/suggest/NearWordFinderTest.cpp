#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "suggest/ByteLevenshtein.h"
#include "suggest/NearWordFinder.h"

namespace {

// Words in byte order share prefixes the way a trie walk's do; every
// distance must be the plain one, capped at limit + 1.
TEST(NearWordFinderTest, GivesTheCappedDistanceOfEveryWordInByteOrder) {
  std::mt19937 random(5);
  auto word = [&](size_t maxLength) {
    std::string w(random() % (maxLength + 1), 'a');
    for (char& c : w) c = static_cast<char>('a' + random() % 3);
    return w;
  };
  for (int round = 0; round < 200; ++round) {
    std::vector<std::string> words;
    for (int i = 0; i < 60; ++i) words.push_back(word(9));
    std::sort(words.begin(), words.end());
    std::string query = word(8);
    int32_t limit = static_cast<int32_t>(random() % 5);
    NearWordFinder finder(query, limit);
    for (const std::string& w : words)
      ASSERT_EQ(finder.Distance(w), std::min(ByteLevenshteinDistance(query, w), limit + 1))
          << query << " / " << w << " limit " << limit;
  }
}

TEST(NearWordFinderTest, HandlesLongWordsAndAnEmptyQuery) {
  std::string longA(400, 'x');
  std::string longB = longA;
  longB[10] = 'y';
  longB.insert(300, "zz");
  EXPECT_EQ(NearWordFinder(longA, 3).Distance(longB), 3);
  EXPECT_EQ(NearWordFinder(longA, 2).Distance(longB), 3);
  NearWordFinder empty("", 3);
  EXPECT_EQ(empty.Distance(""), 0);
  EXPECT_EQ(empty.Distance("abc"), 3);
  EXPECT_EQ(empty.Distance("abcd"), 4);
}

}  // namespace
