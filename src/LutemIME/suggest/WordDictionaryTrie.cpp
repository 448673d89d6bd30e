#include "suggest/WordDictionaryTrie.h"

#include <exception>
#include <new>
#include <string>
#include <utility>

#if LUTEM_WITH_MARISA
namespace {

// Every key of the trie, copied out of one walk.
std::shared_ptr<const WordLengthIndex> IndexWords(const marisa::Trie& trie) {
  std::string arena;
  std::vector<std::pair<size_t, size_t>> spans;
  spans.reserve(trie.num_keys());
  marisa::Agent agent;
  agent.set_query("", 0);
  while (trie.predictive_search(agent)) {
    const marisa::Key& key = agent.key();
    spans.emplace_back(arena.size(), key.length());
    arena.append(key.ptr(), key.length());
  }
  std::vector<std::string_view> words;
  words.reserve(spans.size());
  for (const auto& [offset, length] : spans) words.emplace_back(arena.data() + offset, length);
  return std::make_shared<const WordLengthIndex>(words);
}

}  // namespace

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
  std::shared_ptr<const WordLengthIndex> index;
  try {
    index = IndexWords(trie);
  } catch (const std::exception&) {
    return false;
  }
  // The vector's buffer moves with it, so the mapped pointers stay valid.
  image_.swap(image);
  trie_.swap(trie);
  index_.swap(index);
  loaded_ = true;
  return true;
}

void WordDictionaryTrie::Swap(WordDictionaryTrie& other) {
  image_.swap(other.image_);
  trie_.swap(other.trie_);
  index_.swap(other.index_);
  std::swap(loaded_, other.loaded_);
}
#else
bool WordDictionaryTrie::Map(std::vector<char>) { return false; }

void WordDictionaryTrie::Swap(WordDictionaryTrie& other) {
  image_.swap(other.image_);
  index_.swap(other.index_);
  std::swap(loaded_, other.loaded_);
}
#endif
