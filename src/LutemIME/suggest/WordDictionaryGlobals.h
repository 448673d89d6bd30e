#pragma once

#include <memory>
#include <mutex>

#include "suggest/WordDictionaryTrie.h"

// The process-wide word dictionary. The word loader builds its trie without
// the lock and swaps it in under it; every search walks it under the lock.
// Both are ready before any code runs (constant initialisation) and the trie
// is freed when the module is unloaded.
extern std::mutex WordDictionaryMutex;
extern std::unique_ptr<WordDictionaryTrie> WordTrie;  // null until published
