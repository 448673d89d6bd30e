#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Shorter first, and byte order within a length.
bool ShorterThenBytes(std::string_view a, std::string_view b);

// The first `count` words offered, in ShorterThenBytes order. Sorting every
// completion of a query by length and cutting to the count gives the same
// words (only the order among equal lengths differs, and that is free); this
// copies none of the thousands of completions of a one-letter query that a
// single length test turns away, and its result does not depend on the order
// in which the words are offered.
class ShortestWords {
 public:
  explicit ShortestWords(size_t count) : count_(count) {}

  void Offer(std::string_view word);
  // The kept words, shortest first; the object is empty afterwards.
  std::vector<std::string> Take();

 private:
  void FindLast();

  size_t count_;
  std::vector<std::string> kept_;
  size_t last_ = 0;  // the kept word that the next shorter one replaces
};
