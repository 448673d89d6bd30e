#include "suggest/WordDictionaryTrie.h"

#include <new>
#include <utility>

#if LUTEM_WITH_MARISA
bool WordDictionaryTrie::Map(std::vector<char> image) {
  marisa::Trie trie;
  try {
    trie.map(image.data(), image.size());
    // Every byte of the image must belong to the structure; a size that
    // disagrees means the length fields do not describe this body.
    if (trie.io_size() != image.size()) return false;
  } catch (const marisa::Exception&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
  // The vector's buffer moves with it, so the mapped pointers stay valid.
  image_.swap(image);
  trie_.swap(trie);
  loaded_ = true;
  return true;
}

void WordDictionaryTrie::Swap(WordDictionaryTrie& other) {
  image_.swap(other.image_);
  trie_.swap(other.trie_);
  std::swap(loaded_, other.loaded_);
}
#else
bool WordDictionaryTrie::Map(std::vector<char>) { return false; }

void WordDictionaryTrie::Swap(WordDictionaryTrie& other) {
  image_.swap(other.image_);
  std::swap(loaded_, other.loaded_);
}
#endif
