#pragma once

#include <memory>
#include <string>
#include <vector>

#include "suggest/WordDictionaryTrie.h"

// Building or reading a trie needs marisa-trie; a build without it
// (LUTEM_WITH_MARISA off, as the Windows build) skips such a test and says why.
#define SKIP_WITHOUT_WORD_TRIE()                                                      \
  do {                                                                                \
    if (!LUTEM_WITH_MARISA)                                                           \
      GTEST_SKIP() << "built without marisa-trie (LUTEM_WITH_MARISA off): no word trie"; \
  } while (0)

// Reads file bytes through a real stdio stream, as the word loader does.
bool ReadWordTrieFromBytes(const std::string& bytes, WordDictionaryTrie* target);

// Builds a dictionary of words with the builder, reads it back with the reader
// and publishes it as the process-wide trie for the life of the object; the
// trie that was there before comes back afterwards. The word dictionary's
// state is Ready from then on, as after a load.
class ScopedWordTrie {
 public:
  explicit ScopedWordTrie(const std::vector<std::string>& words);
  ~ScopedWordTrie();

 private:
  std::unique_ptr<WordDictionaryTrie> previous_;
};
