#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "modelbuild/SpellingTable.h"

// What each word of a word list costs before its spelling, without a word
// count to go by: a word that a list of written Bengali also holds costs
// less (SpellingCosts::unlistedWord), and so does a word that begins many
// others of its own list, the mark of a stem in use with its inflections
// (SpellingCosts::lonelyWord). The listed words only weigh: none of them is
// added to anything.
class WordPriors {
 public:
  WordPriors(std::vector<std::string> words, const std::unordered_set<std::string>& listed,
             const SpellingCosts& costs);

  // The words, sorted and without repeats, and the cost of each.
  const std::vector<std::string>& words() const { return words_; }
  float Cost(size_t index) const { return costs_[index]; }
  bool Listed(size_t index) const { return listed_[index]; }

 private:
  std::vector<std::string> words_;
  std::vector<float> costs_;
  std::vector<bool> listed_;
};
