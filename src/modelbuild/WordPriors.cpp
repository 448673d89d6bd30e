#include "modelbuild/WordPriors.h"

#include <algorithm>
#include <cmath>

WordPriors::WordPriors(std::vector<std::string> words, const std::unordered_set<std::string>& listed,
                       const SpellingCosts& costs)
    : words_(std::move(words)) {
  std::sort(words_.begin(), words_.end());
  words_.erase(std::unique(words_.begin(), words_.end()), words_.end());
  costs_.resize(words_.size());
  listed_.resize(words_.size());
  for (size_t i = 0; i < words_.size(); ++i) {
    const std::string& word = words_[i];
    // The words that begin with this one follow it in byte order.
    size_t end = i + 1;
    while (end < words_.size() && words_[end].compare(0, word.size(), word) == 0) ++end;
    const double family = static_cast<double>(end - i - 1);
    const float bonus = std::min(costs.lonelyWord, static_cast<float>(0.25 * std::log1p(family)));
    listed_[i] = listed.count(word) != 0;
    costs_[i] = (listed_[i] ? 0.0f : costs.unlistedWord) + costs.lonelyWord - bonus;
  }
}
