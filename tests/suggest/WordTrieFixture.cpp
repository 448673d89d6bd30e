#include "WordTrieFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <mutex>

#include "suggest/WordDictionaryBuilder.h"
#include "suggest/WordDictionaryGlobals.h"
#include "suggest/LoadState.h"
#include "suggest/ReadWordTrie.h"
#include "support/MakeTempFolder.h"

// A named file in a folder of its own rather than tmpfile(): Windows' C
// runtime makes tmpfile() in the root of the current drive, which a user
// (and Wine's drive Z:) may not write.
bool ReadWordTrieFromBytes(const std::string& bytes, WordDictionaryTrie* target) {
  std::string folder = MakeTempFolder("lutem-trie-");
  std::string path = folder + "/words.bin";
  std::FILE* stream = folder.empty() ? nullptr : std::fopen(path.c_str(), "w+b");
  if (stream == nullptr) {
    ADD_FAILURE() << "cannot create a file under " << (folder.empty() ? "the temp folder" : folder);
    return false;
  }
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
  std::rewind(stream);
  bool ok = written && ReadWordTrie(stream, target);
  std::fclose(stream);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
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
