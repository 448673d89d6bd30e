#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conversion/RuleMap.h"

// Writes a consonant cluster from its key: the key is cut from the left into
// the longest letter keys it continues with, and their letters are joined by
// the hasanta. The cluster tables of the phonetic schemes are built this way
// so that a few hundred rows follow from one list of letters.
class ConjunctJoiner {
 public:
  explicit ConjunctJoiner(const std::vector<RuleEntry>& letters);

  // The cluster for key; false (and *out untouched) when some part of the key
  // is no letter key.
  bool Join(std::string_view key, std::string* out) const;

 private:
  RuleMap letters_;
  size_t maxLetterKeyLength_ = 0;
};
