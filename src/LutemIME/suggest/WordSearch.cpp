#include "suggest/WordSearch.h"

#include <algorithm>
#include <memory>
#include <new>
#include <utility>

#include "suggest/FuzzyMatch.h"
#include "suggest/LoadState.h"
#include "suggest/WordDictionaryGlobals.h"
#include "suggest/WordLengthIndex.h"

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
  // No word begins with a prefix longer than every word (a long input's
  // converted text): no walk.
  if (WordTrie && prefix.size() <= WordTrie->index()->longest())
    WordTrie->ForEachCompletion(prefix, visit);
}

// The published dictionary's words by length; the lock is held only to take
// the pointer, since nothing changes an index once it is made.
std::shared_ptr<const WordLengthIndex> PublishedIndex() {
  std::lock_guard<std::mutex> lock(WordDictionaryMutex);
  if (!WordTrie) return nullptr;
  return WordTrie->index();
}

std::vector<std::string> NearWords(const WordLengthIndex& index, std::string_view query) {
  std::string_view prefix = query.substr(0, Utf8CharLength(static_cast<unsigned char>(query[0])));
  std::vector<FuzzyMatch> matches = index.Near(query, prefix, kMaxDistance);
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
    const std::shared_ptr<const WordLengthIndex> index = PublishedIndex();
    // A query longer than every word by more than the distance bound can
    // neither begin a word nor be near one: nothing to look at.
    if (index == nullptr || query.size() > index->longest() + kMaxDistance) return {};
    std::vector<std::string> words = index->Shortest(query, kMaxWords);
    if (words.empty()) return NearWords(*index, query);
    return words;
  } catch (const std::exception&) {
    return {};  // no memory: no words
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

size_t LongestUsefulQuery() {
  const std::shared_ptr<const WordLengthIndex> index = PublishedIndex();
  return index == nullptr ? 0 : index->longest() + kMaxDistance;
}

size_t LongestUsefulPrefix() {
  const std::shared_ptr<const WordLengthIndex> index = PublishedIndex();
  return index == nullptr ? 0 : index->longest();
}

size_t LengthUpTo(const char16_t* text, size_t limit) {
  size_t length = 0;
  while (length <= limit && text[length] != 0) ++length;
  return length;
}
