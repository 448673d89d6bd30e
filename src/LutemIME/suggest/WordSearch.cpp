#include "suggest/WordSearch.h"

#include <algorithm>
#include <new>
#include <utility>

#include "suggest/FuzzyMatch.h"
#include "suggest/LoadState.h"
#include "suggest/NearWordFinder.h"
#include "suggest/ShortestWords.h"
#include "suggest/WordDictionaryGlobals.h"

namespace {

constexpr size_t kMaxWords = 7;
constexpr int32_t kMaxDistance = 3;

// Length of the UTF-8 character that starts with lead, judged by its lead
// byte alone (a stray continuation byte counts as one).
size_t Utf8CharLength(unsigned char lead) {
  if ((lead & 0xF0) == 0xF0) return 4;
  if ((lead & 0xE0) == 0xE0) return 3;
  if ((lead & 0xC0) == 0xC0) return 2;
  return 1;
}

template <typename Visit>
void WalkCompletions(std::string_view prefix, Visit&& visit) {
  std::lock_guard<std::mutex> lock(WordDictionaryMutex);
  if (WordTrie) WordTrie->ForEachCompletion(prefix, visit);
}

std::vector<std::string> NearWords(std::string_view query) {
  std::string_view prefix = query.substr(0, Utf8CharLength(static_cast<unsigned char>(query[0])));

  // Words whose length differs by more than the limit cannot be near, so
  // only the others are copied out of the walk, in its (byte) order, which
  // NearWordFinder needs.
  std::string arena;
  std::vector<std::pair<size_t, size_t>> spans;
  WalkCompletions(prefix, [&](std::string_view key) {
    size_t gap = key.size() > query.size() ? key.size() - query.size() : query.size() - key.size();
    if (gap <= static_cast<size_t>(kMaxDistance)) {
      spans.emplace_back(arena.size(), key.size());
      arena.append(key.data(), key.size());
    }
    return true;
  });

  NearWordFinder finder(query, kMaxDistance);
  std::vector<FuzzyMatch> matches;
  for (const auto& [offset, length] : spans) {
    std::string_view word(arena.data() + offset, length);
    int32_t distance = finder.Distance(word);
    if (distance <= kMaxDistance) matches.push_back({std::string(word), distance});
  }
  std::sort(matches.begin(), matches.end(), FuzzyMatchLess);
  std::vector<std::string> words;
  for (size_t i = 0; i < matches.size() && i < kMaxWords; ++i)
    words.push_back(std::move(matches[i].word));
  return words;
}

}  // namespace

std::vector<std::string> SearchWords(std::string_view query) {
  if (query.empty()) return {};
  try {
    ShortestWords shortest(kMaxWords);
    bool any = false;
    WalkCompletions(query, [&](std::string_view key) {
      shortest.Offer(key);
      any = true;
      return true;
    });
    if (!any) return NearWords(query);
    return shortest.Take();
  } catch (const std::exception&) {
    return {};  // no memory, or the library refusing a walk: no words
  }
}

std::vector<std::string> SearchWordsLimited(std::string_view prefix, size_t maximum) {
  std::vector<std::string> words;
  if (prefix.empty() || maximum == 0 || !IsLoadReady(WordDictionaryState)) return words;
  try {
    WalkCompletions(prefix, [&](std::string_view key) {
      words.emplace_back(key);
      return words.size() < maximum;
    });
  } catch (const std::exception&) {
    words.clear();
  }
  return words;
}
