#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "WordTrieFixture.h"
#include "conversion/CodePoints.h"
#include "suggest/WordDictionaryBuilder.h"
#include "suggest/WordSearch.h"

namespace {

// Every way a copied or half-written file can be damaged: flipped bytes
// anywhere, a run overwritten with noise, a cut, noise appended. The library
// would walk a damaged body without a check (and crash or hang inside a
// search), so none of them may reach it: each must fail to load, and nothing
// may leak or hang on the way (the sanitizer build checks the leaks).
TEST(WordTrieCorruptionTest, DamagedCopiesFailCleanly) {
  SKIP_WITHOUT_WORD_TRIE();
  std::vector<std::string> words;
  const std::u32string letters = U"\u0995\u0996\u0997\u09B0\u09BE\u09BF\u09CD\u09B7";
  std::mt19937 random(2105);
  for (int i = 0; i < 300; ++i) {
    std::u32string w;
    for (size_t n = 1 + random() % 8; n > 0; --n) w.push_back(letters[random() % letters.size()]);
    words.push_back(Utf8FromCodePoints(w));
  }
  words.push_back("ascii");
  const std::string good = BuildWordDictionary(words);
  WordDictionaryTrie sound;
  ASSERT_TRUE(ReadWordTrieFromBytes(good, &sound));

  int loaded = 0;
  for (int copy = 0; copy < 600; ++copy) {
    std::string bad = good;
    switch (copy % 4) {
      case 0:  // one to four bytes changed
        for (size_t n = 1 + random() % 4; n > 0; --n)
          bad[random() % bad.size()] ^= static_cast<char>(1 + random() % 255);
        break;
      case 1: {  // a run of noise
        size_t at = random() % bad.size();
        size_t length = std::min<size_t>(1 + random() % 64, bad.size() - at);
        std::string before = bad.substr(at, length);
        for (size_t i = 0; i < length; ++i) bad[at + i] = static_cast<char>(random());
        if (bad.compare(at, length, before) == 0) bad[at] ^= 1;
        break;
      }
      case 2:  // cut short
        bad.resize(random() % bad.size());
        break;
      default:  // noise appended
        for (size_t n = 1 + random() % 32; n > 0; --n) bad.push_back(static_cast<char>(random()));
        break;
    }
    WordDictionaryTrie trie;
    if (ReadWordTrieFromBytes(bad, &trie)) {
      ++loaded;
      // Should one ever load, it must still search safely.
      size_t n = 0;
      trie.ForEachCompletion("\xE0\xA6", [&](std::string_view) { return ++n < 10000; });
    }
  }
  EXPECT_EQ(loaded, 0);
}

}  // namespace
