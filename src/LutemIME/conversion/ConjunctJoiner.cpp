#include "conversion/ConjunctJoiner.h"

#include <algorithm>

#include "conversion/BengaliConstants.h"

ConjunctJoiner::ConjunctJoiner(const std::vector<RuleEntry>& letters) {
  letters_.Fill(letters);
  for (const auto& row : letters)
    if (row.key.size() > maxLetterKeyLength_) maxLetterKeyLength_ = row.key.size();
}

bool ConjunctJoiner::Join(std::string_view key, std::string* out) const {
  std::string joined;
  for (size_t p = 0; p < key.size();) {
    const std::string* letter = nullptr;
    size_t length = std::min(maxLetterKeyLength_, key.size() - p);
    for (; length > 0; --length)
      if ((letter = letters_.Find(key.substr(p, length))) != nullptr) break;
    if (letter == nullptr) return false;
    if (p > 0) joined += BengaliConstants::hasanta;
    joined += *letter;
    p += length;
  }
  if (joined.empty()) return false;
  *out = std::move(joined);
  return true;
}
