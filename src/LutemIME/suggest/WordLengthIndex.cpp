#include "suggest/WordLengthIndex.h"

#include <algorithm>
#include <cstring>

#include "suggest/NearWordFinder.h"

namespace {

// The first prefix.size() bytes of the word at index i compared with prefix
// (as unsigned bytes); words are at least that long.
int ComparePrefix(const char* words, size_t length, size_t i, std::string_view prefix) {
  return std::memcmp(words + i * length, prefix.data(), prefix.size());
}

}  // namespace

WordLengthIndex::WordLengthIndex(const std::vector<std::string_view>& words) {
  size_t longest = 0;
  for (std::string_view word : words) longest = std::max(longest, word.size());
  groups_.resize(words.empty() ? 0 : longest + 1);
  std::vector<std::vector<std::string_view>> byLength(groups_.size());
  for (std::string_view word : words) byLength[word.size()].push_back(word);
  for (size_t length = 0; length < byLength.size(); ++length) {
    std::vector<std::string_view>& group = byLength[length];
    // A trie walk yields byte order already; a dictionary built otherwise is
    // put in order here.
    if (!std::is_sorted(group.begin(), group.end())) std::sort(group.begin(), group.end());
    Group& target = groups_[length];
    target.count = group.size();
    target.bytes.reserve(group.size() * length);
    target.shared.reserve(group.size());
    std::string_view previous;
    for (std::string_view word : group) {
      size_t same = 0;
      while (same < previous.size() && same < 255 && previous[same] == word[same]) ++same;
      target.shared.push_back(static_cast<uint8_t>(same));
      target.bytes.append(word.data(), word.size());
      previous = word;
    }
  }
}

size_t WordLengthIndex::SkipPrefix(const Group& group, size_t length, size_t i, size_t n,
                                   size_t end) {
  // Most prefixes that fall out of reach begin a handful of words; a long
  // run (a prefix of a few bytes in a large group) is searched instead.
  constexpr size_t kScan = 32;
  size_t next = i + 1;
  if (n <= 255) {
    for (size_t stop = std::min(end, next + kScan); next < stop; ++next)
      if (group.shared[next] < n) return next;
    if (next == end) return end;
  }
  std::string_view prefix(group.bytes.data() + i * length, n);
  return UpperBound(group, length, prefix, next, end);
}

size_t WordLengthIndex::LowerBound(const Group& group, size_t length, std::string_view prefix,
                                   size_t from, size_t to) {
  while (from < to) {
    size_t middle = from + (to - from) / 2;
    if (ComparePrefix(group.bytes.data(), length, middle, prefix) < 0)
      from = middle + 1;
    else
      to = middle;
  }
  return from;
}

size_t WordLengthIndex::UpperBound(const Group& group, size_t length, std::string_view prefix,
                                   size_t from, size_t to) {
  while (from < to) {
    size_t middle = from + (to - from) / 2;
    if (ComparePrefix(group.bytes.data(), length, middle, prefix) <= 0)
      from = middle + 1;
    else
      to = middle;
  }
  return from;
}

std::vector<std::string> WordLengthIndex::Shortest(std::string_view prefix, size_t count) const {
  std::vector<std::string> words;
  for (size_t length = prefix.size(); length < groups_.size() && words.size() < count; ++length) {
    const Group& group = groups_[length];
    if (group.count == 0) continue;
    // Most groups hold no word with the prefix; their ends tell it at once.
    if (ComparePrefix(group.bytes.data(), length, group.count - 1, prefix) < 0 ||
        ComparePrefix(group.bytes.data(), length, 0, prefix) > 0)
      continue;
    for (size_t i = LowerBound(group, length, prefix, 0, group.count);
         i < group.count && words.size() < count &&
         ComparePrefix(group.bytes.data(), length, i, prefix) == 0;
         ++i)
      words.emplace_back(group.bytes.data() + i * length, length);
  }
  return words;
}

std::vector<FuzzyMatch> WordLengthIndex::Near(std::string_view query, std::string_view first,
                                              int32_t limit) const {
  std::vector<FuzzyMatch> matches;
  const size_t bound = static_cast<size_t>(std::max(limit, 0));
  size_t shortest = std::max(first.size(), query.size() > bound ? query.size() - bound : 0);
  for (size_t length = shortest; length <= query.size() + bound && length < groups_.size(); ++length) {
    const Group& group = groups_[length];
    if (group.count == 0) continue;
    size_t end = UpperBound(group, length, first, 0, group.count);
    size_t i = LowerBound(group, length, first, 0, end);
    // One finder per group: it needs its words in byte order, and it keeps
    // the rows of the prefix the words share.
    NearWordFinder finder(query, limit);
    while (i < end) {
      std::string_view word(group.bytes.data() + i * length, length);
      int32_t distance = finder.Distance(word);
      if (distance <= limit) {
        matches.push_back({std::string(word), distance});
        ++i;
        continue;
      }
      // Every word of this length that shares the prefix that put this one
      // out of reach is out of reach too.
      size_t rejected = finder.RejectedPrefixLength();
      i = rejected == 0 ? i + 1 : SkipPrefix(group, length, i, rejected, end);
    }
  }
  return matches;
}
