#include "WordTrieFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <mutex>

#include "suggest/WordDictionaryBuilder.h"
#include "suggest/WordDictionaryGlobals.h"
#include "suggest/LoadState.h"
#include "suggest/ReadWordTrie.h"

bool ReadWordTrieFromBytes(const std::string& bytes, WordDictionaryTrie* target) {
  std::FILE* stream = std::tmpfile();
  if (stream == nullptr) {
    ADD_FAILURE() << "tmpfile failed";
    return false;
  }
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
  std::rewind(stream);
  bool ok = written && ReadWordTrie(stream, target);
  std::fclose(stream);
  return ok;
}

ScopedWordTrie::ScopedWordTrie(const std::vector<std::string>& words) {
  auto trie = std::make_unique<WordDictionaryTrie>();
  EXPECT_TRUE(ReadWordTrieFromBytes(BuildWordDictionary(words), trie.get()));
  std::lock_guard<std::mutex> lock(WordDictionaryMutex);
  previous_ = std::move(WordTrie);
  WordTrie = std::move(trie);
  // As the loader leaves it; a state never goes back, so it stays Ready.
  SetLoadState(WordDictionaryState, LoadState::Ready);
}

ScopedWordTrie::~ScopedWordTrie() {
  std::lock_guard<std::mutex> lock(WordDictionaryMutex);
  WordTrie = std::move(previous_);
}
