#include "suggest/NearWordFinder.h"

#include <algorithm>
#include <cstdlib>

NearWordFinder::NearWordFinder(std::string_view query, int32_t limit)
    : query_(query), limit_(limit), width_(query.size() + 1), deadDepth_(SIZE_MAX) {
  EnsureDepth(0);
  int32_t* first = Row(0);
  for (size_t j = 0; j < width_; ++j) first[j] = std::min(static_cast<int32_t>(j), limit_ + 1);
}

void NearWordFinder::EnsureDepth(size_t depth) {
  if (rows_.size() < (depth + 1) * width_) rows_.resize((depth + 1) * width_);
}

int32_t NearWordFinder::Distance(std::string_view word) {
  const int32_t over = limit_ + 1;
  size_t gap = word.size() > query_.size() ? word.size() - query_.size() : query_.size() - word.size();
  rejectedPrefix_ = 0;
  if (gap > static_cast<size_t>(limit_)) return over;

  size_t shared = 0;
  size_t most = std::min({word.size(), word_.size(), rowsValid_});
  while (shared < most && word[shared] == word_[shared]) ++shared;
  if (deadDepth_ <= shared) {  // a prefix already out of reach
    rejectedPrefix_ = deadDepth_;
    return over;
  }

  word_ = word;
  deadDepth_ = SIZE_MAX;
  EnsureDepth(word.size());
  // A cell (d, j) is at least |d - j|, so only the band |d - j| <= limit can
  // stay within the limit; the cells just outside it hold `over`, which is
  // all their neighbours inside the band ever need from them.
  const size_t band = static_cast<size_t>(limit_);
  const size_t last = width_ - 1;
  for (size_t d = shared + 1; d <= word.size(); ++d) {
    const int32_t* above = Row(d - 1);
    int32_t* row = Row(d);
    size_t lo = d > band ? d - band : 1;
    size_t hi = std::min(last, d + band);
    row[lo - 1] = lo == 1 ? std::min(static_cast<int32_t>(d), over) : over;
    int32_t rowMin = row[lo - 1];
    // A path through (d, j) still has to make up the difference between the
    // bytes left in the word and in the query; when no cell of the row can
    // do that within the limit, this word is out, though a longer or shorter
    // word with the same prefix may not be.
    const long left = static_cast<long>(word.size() - d) - static_cast<long>(last);
    int32_t bound = lo == 1 ? row[0] + static_cast<int32_t>(std::labs(left)) : over;
    const char byte = word[d - 1];
    const char* query = query_.data();
    // The moves from the row above first: they do not depend on each other.
    for (size_t j = lo; j <= hi; ++j) {
      const int32_t diagonal = above[j - 1] + (query[j - 1] == byte ? 0 : 1);
      const int32_t down = above[j] + 1;
      row[j] = diagonal < down ? diagonal : down;
    }
    // Then the moves along the row: cell j is the least of (cell k) + (j - k)
    // for k <= j, so only a running minimum of (cell k) - k chains from
    // cell to cell.
    int32_t least = row[lo - 1] - static_cast<int32_t>(lo - 1);
    for (size_t j = lo; j <= hi; ++j) {
      const int32_t offset = static_cast<int32_t>(j);
      least = std::min(least, row[j] - offset);
      row[j] = std::min(least + offset, over);
    }
    for (size_t j = lo; j <= hi; ++j) {
      rowMin = std::min(rowMin, row[j]);
      bound = std::min(bound, row[j] + static_cast<int32_t>(std::labs(left + static_cast<long>(j))));
    }
    if (hi < last) row[hi + 1] = over;
    if (rowMin >= over || bound >= over) {
      rowsValid_ = d;
      if (rowMin >= over) deadDepth_ = d;
      rejectedPrefix_ = d;
      return over;
    }
  }
  rowsValid_ = word.size();
  return Row(word.size())[width_ - 1];
}
