#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "conversion/KeySet.h"

namespace {

// The longest key at pos by trying every length, as a plain set answers it.
size_t PlainLongest(const std::set<std::string>& keys, const std::string& text, size_t pos,
                    size_t maxLength) {
  for (size_t length = std::min(maxLength, text.size() - pos); length > 0; --length)
    if (keys.count(text.substr(pos, length))) return length;
  return 0;
}

// Keys of one, two and many bytes, keys that are prefixes of others, bytes of
// 0x80 and above at the start and deeper (the Shift marker EF A3 BE), so
// every kind of edge the set keeps is walked.
TEST(KeySet, LongestMatchAgreesWithTryingEveryLength) {
  const std::vector<std::string> keyList = {
      "k", "kh", "khh", "a", "aa", "ai", "Rh_consonant", "R", "rri", ",,", ",.", "`",
      "\xEF\xA3\xBE", "\xEF\xA3\xBEt", "t\xEF\xA3\xBE", "ng", "nga", "\x7F", "\xFF\x01"};
  KeySet set;
  std::set<std::string> plain;
  size_t maxLength = 0;
  for (const std::string& key : keyList) {
    set.Insert(key);
    plain.insert(key);
    maxLength = std::max(maxLength, key.size());
  }
  for (const std::string& key : keyList) EXPECT_TRUE(set.Contains(key)) << key;
  EXPECT_FALSE(set.Contains("kk"));
  EXPECT_FALSE(set.Contains("Rh_"));
  EXPECT_EQ(set.Find("kh"), set.Insert("kh"));  // a repeat keeps its id

  const std::string alphabet = std::string("khaiRrng_,.`t\x7F\x01\xEF\xA3\xBE\xFF", 20);
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int i = 0; i < 16; ++i) text += alphabet[random() % alphabet.size()];
    if (round % 3 == 0) text += keyList[random() % keyList.size()];
    for (size_t pos = 0; pos < text.size(); ++pos) {
      int32_t id = KeySet::kNoKey;
      const size_t length = set.LongestMatch(text, pos, maxLength, &id);
      ASSERT_EQ(PlainLongest(plain, text, pos, maxLength), length) << text << " at " << pos;
      EXPECT_EQ(length == 0 ? KeySet::kNoKey : set.Find(text.substr(pos, length)), id);
    }
  }
  // The bound on a key's length is the caller's: with 2, "khh" is "kh".
  int32_t id = KeySet::kNoKey;
  EXPECT_EQ(2u, set.LongestMatch("khh", 0, 2, &id));
}

}  // namespace
