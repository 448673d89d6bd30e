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

int32_t BoundedByteLevenshteinDistance(std::string_view a, std::string_view b, int32_t limit) {
  const int32_t over = limit + 1;
  const size_t m = a.size();
  const size_t n = b.size();
  const size_t band = static_cast<size_t>(limit);
  if ((m > n ? m - n : n - m) > band) return over;

  // Rows over b; only cells with |i - j| <= limit are filled, the cells just
  // outside the band hold `over`, which no path within the limit can use.
  constexpr size_t kStackRow = 256;
  int32_t stackRows[2][kStackRow];
  std::vector<int32_t> heapRows;
  int32_t* previous = stackRows[0];
  int32_t* current = stackRows[1];
  if (n + 2 > kStackRow) {
    heapRows.resize(2 * (n + 2));
    previous = heapRows.data();
    current = previous + n + 2;
  }
  for (size_t j = 0; j <= n; ++j) previous[j] = j <= band ? static_cast<int32_t>(j) : over;
  previous[n + 1] = over;

  for (size_t i = 1; i <= m; ++i) {
    size_t lo = i > band ? i - band : 1;
    size_t hi = std::min(n, i + band);
    current[lo - 1] = lo == 1 ? std::min(static_cast<int32_t>(i), over) : over;
    int32_t rowMin = current[lo - 1];
    for (size_t j = lo; j <= hi; ++j) {
      int32_t substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
      int32_t cell = std::min({previous[j] + 1, current[j - 1] + 1, substitution, over});
      current[j] = cell;
      rowMin = std::min(rowMin, cell);
    }
    current[hi + 1] = over;
    if (rowMin >= over) return over;
    std::swap(previous, current);
  }
  return std::min(previous[n], over);
}
