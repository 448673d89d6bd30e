#pragma once

#if LUTEM_WITH_MARISA
#include <marisa.h>
#endif

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "suggest/WordLengthIndex.h"

// A loaded word dictionary: the library's trie mapped onto an in-memory image
// (the library's own header followed by the file's body) that this object
// owns, so the trie's arrays live exactly as long as the object, and its
// words grouped by length for the searches, made when it is mapped. Built
// without marisa-trie (LUTEM_WITH_MARISA off), Map fails and nothing loads.
class WordDictionaryTrie {
 public:
  WordDictionaryTrie() = default;
  WordDictionaryTrie(const WordDictionaryTrie&) = delete;
  WordDictionaryTrie& operator=(const WordDictionaryTrie&) = delete;

  // Maps a trie onto image. On failure returns false and keeps what this
  // object held before. The image must already be known to be intact: the
  // library checks sizes, not the offsets inside the structure.
  bool Map(std::vector<char> image);
  void Swap(WordDictionaryTrie& other);

  bool loaded() const { return loaded_; }
  // The words by length; an empty index until a trie is mapped. Shared, so
  // that a search can let the dictionary's lock go while it reads it.
  const std::shared_ptr<const WordLengthIndex>& index() const { return index_; }
#if LUTEM_WITH_MARISA
  size_t size() const { return loaded_ ? trie_.num_keys() : 0; }
#else
  size_t size() const { return 0; }
#endif

  // Calls visit(key) for every key that begins with prefix, in the trie's
  // order, while visit returns true. The key's bytes are valid only during
  // the call.
  template <typename Visit>
  void ForEachCompletion(std::string_view prefix, Visit&& visit) const {
    if (!loaded_) return;
#if LUTEM_WITH_MARISA
    marisa::Agent agent;
    agent.set_query(prefix.data(), prefix.size());
    while (trie_.predictive_search(agent)) {
      const marisa::Key& key = agent.key();
      if (!visit(std::string_view(key.ptr(), key.length()))) return;
    }
#endif
  }

 private:
  std::vector<char> image_;  // declared before trie_: the trie points into it
#if LUTEM_WITH_MARISA
  marisa::Trie trie_;
#endif
  std::shared_ptr<const WordLengthIndex> index_ = std::make_shared<const WordLengthIndex>();
  bool loaded_ = false;
};
