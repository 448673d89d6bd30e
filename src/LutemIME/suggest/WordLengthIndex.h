#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "suggest/FuzzyMatch.h"

// The words of a loaded dictionary grouped by byte length, each group in
// byte order, built once when the dictionary loads. Both searches of the
// candidate list read it instead of walking the trie: the shortest words
// with a prefix come from the shortest groups first, and near words come
// only from the groups whose length is within the distance bound, walked as
// a trie with every prefix out of reach skipped at once. A group holds its
// words back to back without separators, each exactly its length long.
class WordLengthIndex {
 public:
  // words in any order, without repeats.
  explicit WordLengthIndex(const std::vector<std::string_view>& words);
  WordLengthIndex() = default;

  size_t longest() const { return groups_.empty() ? 0 : groups_.size() - 1; }

  // Up to count words that begin with prefix, shorter first, words of one
  // length in byte order.
  std::vector<std::string> Shortest(std::string_view prefix, size_t count) const;

  // Every word that begins with first and lies within byte edit distance
  // limit of query, with its distance, in no particular order.
  std::vector<FuzzyMatch> Near(std::string_view query, std::string_view first,
                               int32_t limit) const;

 private:
  struct Group {
    std::string bytes;  // the words of one length, back to back, in byte order
    size_t count = 0;
    // shared[i]: how many first bytes word i shares with word i - 1 (at most
    // 255), so that the words after i that share a prefix are found without
    // comparing them.
    std::vector<uint8_t> shared;
  };

  // The first index after i, below end, of a word that does not begin with
  // the first n bytes of word i.
  static size_t SkipPrefix(const Group& group, size_t length, size_t i, size_t n, size_t end);

  // Indexes into group (of words length long) of the words that begin with
  // prefix: [begin, end), within [from, to).
  static size_t LowerBound(const Group& group, size_t length, std::string_view prefix,
                           size_t from, size_t to);
  static size_t UpperBound(const Group& group, size_t length, std::string_view prefix,
                           size_t from, size_t to);

  std::vector<Group> groups_;  // groups_[n]: the words of n bytes
};
