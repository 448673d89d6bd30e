#include "suggest/ShortestWords.h"

#include <algorithm>
#include <utility>

bool ShorterThenBytes(std::string_view a, std::string_view b) {
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

void ShortestWords::Offer(std::string_view word) {
  if (kept_.size() < count_) {
    kept_.emplace_back(word);
    if (kept_.size() == count_) FindLast();
    return;
  }
  if (count_ == 0 || word.size() > kept_[last_].size() || !ShorterThenBytes(word, kept_[last_])) return;
  kept_[last_].assign(word.data(), word.size());
  FindLast();
}

std::vector<std::string> ShortestWords::Take() {
  std::sort(kept_.begin(), kept_.end(),
            [](const std::string& a, const std::string& b) { return ShorterThenBytes(a, b); });
  std::vector<std::string> words = std::move(kept_);
  kept_.clear();
  return words;
}

void ShortestWords::FindLast() {
  last_ = 0;
  for (size_t i = 1; i < kept_.size(); ++i)
    if (ShorterThenBytes(kept_[last_], kept_[i])) last_ = i;
}
