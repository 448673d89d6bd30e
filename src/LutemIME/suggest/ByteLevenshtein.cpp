#include "suggest/ByteLevenshtein.h"

#include <algorithm>
#include <vector>

int32_t ByteLevenshteinDistance(std::string_view a, std::string_view b) {
  std::vector<int32_t> previous(b.size() + 1);
  std::vector<int32_t> current(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) previous[j] = static_cast<int32_t>(j);
  for (size_t i = 1; i <= a.size(); ++i) {
    current[0] = static_cast<int32_t>(i);
    for (size_t j = 1; j <= b.size(); ++j) {
      int32_t substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
    }
    previous.swap(current);
  }
  return previous[b.size()];
}
