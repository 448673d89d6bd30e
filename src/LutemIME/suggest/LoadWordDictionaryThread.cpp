#include "suggest/LoadWordDictionaryThread.h"

#include <memory>
#include <mutex>

#include "suggest/LoadState.h"
#include "suggest/NarrowLoaderPath.h"
#include "suggest/ReadWordTrie.h"
#include "suggest/WordDictionaryGlobals.h"

namespace {

bool LoadAndPublish(const std::u16string& path) {
  std::string narrow;
  if (!NarrowLoaderPath(path, &narrow)) return false;
  // The whole trie is read before the lock, so searches wait only for the swap.
  std::unique_ptr<WordDictionaryTrie> trie = LoadWordTrieFile(narrow);
  if (!trie) return false;
  std::lock_guard<std::mutex> lock(WordDictionaryMutex);
  WordTrie.swap(trie);
  SetLoadState(WordDictionaryState, LoadState::Ready);
  return true;  // trie frees what the swap took out (nothing: one load per process)
}

}  // namespace

void LoadWordDictionaryThread(std::u16string path) {
  bool loaded = false;
  try {
    loaded = LoadAndPublish(path);
  } catch (...) {
    loaded = false;
  }
  if (!loaded) SetLoadState(WordDictionaryState, LoadState::Failed);
}
