#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "WordTrieFixture.h"
#include "suggest/WordDictionaryBuilder.h"
#include "suggest/LoadState.h"
#include "suggest/WordDictionaryGlobals.h"
#include "suggest/WordSearch.h"

namespace {

using Words = std::vector<std::string>;

std::unique_ptr<WordDictionaryTrie> Trie(const Words& words) {
  auto trie = std::make_unique<WordDictionaryTrie>();
  EXPECT_TRUE(ReadWordTrieFromBytes(BuildWordDictionary(words), trie.get()));
  return trie;
}

// Searches on several UI threads while the trie is published and replaced
// (each old trie freed at once): every search sees no trie or a whole one,
// never a freed one (the sanitizer build would report that).
TEST(WordSearchThreadsTest, SearchesSeeNoTrieOrAWholeOne) {
  SKIP_WITHOUT_WORD_TRIE();
  const Words first = {"ab", "abc"};
  const Words second = {"ax", "axy"};
  SetLoadState(WordDictionaryState, LoadState::Ready);
  std::atomic<bool> stop{false};
  std::atomic<int> odd{0};
  std::vector<std::thread> readers;
  for (int t = 0; t < 3; ++t) {
    readers.emplace_back([&] {
      while (!stop.load()) {
        Words found = SearchWords("a");
        if (!found.empty() && found != first && found != second) ++odd;
        Words limited = SearchWordsLimited("a", 1);
        if (!limited.empty() && limited != Words{"ab"} && limited != Words{"ax"}) ++odd;
      }
    });
  }
  for (int i = 0; i < 300; ++i) {
    std::unique_ptr<WordDictionaryTrie> next = i % 3 == 2 ? nullptr : Trie(i % 3 == 0 ? first : second);
    std::lock_guard<std::mutex> lock(WordDictionaryMutex);
    WordTrie.swap(next);
  }
  stop = true;
  for (auto& reader : readers) reader.join();
  std::lock_guard<std::mutex> lock(WordDictionaryMutex);
  WordTrie.reset();
  EXPECT_EQ(odd.load(), 0);
}

}  // namespace
