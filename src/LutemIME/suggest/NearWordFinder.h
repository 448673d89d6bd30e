#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Byte edit distances from one query to many words that come in ascending
// byte order, as a trie walk yields them. Consecutive words share prefixes,
// so the rows of the distance table for a shared prefix are kept and only
// the rows for the new bytes are computed; once every cell of a row exceeds
// the limit, no word with that prefix can come within it and such words are
// rejected without a row at all. The fallback search measures thousands of
// words per query this way.
class NearWordFinder {
 public:
  NearWordFinder(std::string_view query, int32_t limit);

  // ByteLevenshteinDistance(query, word) when it is at most the limit, else
  // limit + 1. word must not sort before the word of the previous call, and
  // the bytes of that word must still be there (the rows kept for it are
  // matched against them).
  int32_t Distance(std::string_view word);

  // After Distance gave limit + 1: the number of the word's first bytes that
  // put it out of reach, so that every word of the same length that begins
  // with them is out of reach too; 0 when its length alone did.
  size_t RejectedPrefixLength() const { return rejectedPrefix_; }

 private:
  int32_t* Row(size_t depth) { return rows_.data() + depth * width_; }
  void EnsureDepth(size_t depth);

  std::string query_;
  int32_t limit_;
  size_t width_;               // query length + 1
  std::vector<int32_t> rows_;  // row d: distances of the word's first d bytes
  std::string_view word_;      // the word whose rows are kept
  size_t rowsValid_ = 0;       // rows 0 .. rowsValid_ describe word_'s prefix
  size_t deadDepth_;           // from this depth on, word_'s rows exceed the limit
  size_t rejectedPrefix_ = 0;
};
