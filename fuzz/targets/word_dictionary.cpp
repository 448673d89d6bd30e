// The word dictionary: any file that ends in an integrity trailer reads
// without a crash, and what loads searches safely (a file without the trailer
// is trusted as it stands, like a program file, so it is no input here); any word list builds a file that reads back and whose
// searches give exactly the words the searches promise.
//
// Input: one byte choosing the mode. Mode 0: the rest is a dictionary file.
// Mode 1: a query up to a NUL, then words, one a line.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "suggest/LoadState.h"
#include "suggest/ReadWordTrie.h"
#include "suggest/WordDictionaryBuilder.h"
#include "suggest/WordDictionaryFormat.h"
#include "suggest/WordDictionaryGlobals.h"
#include "suggest/WordSearch.h"

namespace {

bool ReadFromBytes(std::string_view bytes, WordDictionaryTrie* trie) {
  std::FILE* file = std::tmpfile();
  if (file == nullptr) return false;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  const bool read = ReadWordTrie(file, trie);
  std::fclose(file);
  return read;
}

int Distance(const std::string& a, const std::string& b) {
  std::vector<int> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
  for (size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

bool StartsWith(const std::string& word, const std::string& prefix) {
  return word.compare(0, prefix.size(), prefix) == 0;
}

// What SearchWords promises for a set of words: the 7 shortest completions
// (byte order within a length), or else the 7 nearest words within distance
// 3 among those sharing the query's first character (byte order on ties).
std::vector<std::string> Expected(const std::set<std::string>& words, const std::string& query) {
  std::vector<std::string> found;
  if (query.empty()) return found;
  for (const std::string& w : words)
    if (StartsWith(w, query)) found.push_back(w);
  if (!found.empty()) {
    std::stable_sort(found.begin(), found.end(),
                     [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
  } else {
    const unsigned char lead = static_cast<unsigned char>(query[0]);
    const size_t n = (lead & 0xF0) == 0xF0 ? 4 : (lead & 0xE0) == 0xE0 ? 3 : (lead & 0xC0) == 0xC0 ? 2 : 1;
    const std::string first = query.substr(0, n);
    std::vector<std::pair<int, std::string>> near;
    for (const std::string& w : words) {
      if (!StartsWith(w, first)) continue;
      const int d = Distance(query, w);
      if (d <= 3) near.emplace_back(d, w);
    }
    std::sort(near.begin(), near.end());
    for (const auto& entry : near) found.push_back(entry.second);
  }
  if (found.size() > 7) found.resize(7);
  return found;
}

void Publish(std::unique_ptr<WordDictionaryTrie> trie) {
  std::lock_guard<std::mutex> lock(WordDictionaryMutex);
  WordTrie.swap(trie);
  SetLoadState(WordDictionaryState, LoadState::Ready);
}

void ReadAnyFile(std::string_view bytes) {
  if (bytes.size() < worddict::kTrailerSize ||
      bytes.substr(bytes.size() - worddict::kTrailerSize, worddict::kTrailerMagicSize) !=
          std::string_view(worddict::kTrailerMagic, worddict::kTrailerMagicSize))
    return;
  auto trie = std::make_unique<WordDictionaryTrie>();
  if (!ReadFromBytes(bytes, trie.get())) return;
  // A file that loads must search safely: a short walk from every first byte.
  for (int b = 0; b < 256; ++b) {
    size_t n = 0;
    trie->ForEachCompletion(std::string(1, static_cast<char>(b)), [&](std::string_view) { return ++n < 64; });
  }
  Publish(std::move(trie));
  SearchWords("a");
  SearchWords("\xE0\xA6\x95");
}

void BuildAndSearch(FuzzInput& in) {
  const std::string query(in.TakeUntilNul());
  std::set<std::string> words;
  std::string rest(in.Rest());
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = rest.find('\n', start);
    if (end == std::string::npos) end = rest.size();
    std::string word = rest.substr(start, end - start);
    if (!word.empty() && word.find('\0') == std::string::npos) words.insert(word);
    start = end + 1;
  }
  std::string file;
  try {
    file = BuildWordDictionary({words.begin(), words.end()});
  } catch (const std::runtime_error&) {
    return;  // built without the trie library
  }
  auto trie = std::make_unique<WordDictionaryTrie>();
  FUZZ_CHECK(ReadFromBytes(file, trie.get()));
  FUZZ_CHECK(trie->size() == words.size());
  Publish(std::move(trie));

  FUZZ_CHECK(SearchWords(query) == Expected(words, query));
  std::vector<std::string> limited;
  for (const std::string& w : words) {
    if (limited.size() == 2) break;
    if (!query.empty() && StartsWith(w, query)) limited.push_back(w);
  }
  FUZZ_CHECK(SearchWordsLimited(query, 2) == limited);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  if ((in.TakeByte() & 1) == 0) {
    ReadAnyFile(in.Rest());
  } else {
    BuildAndSearch(in);
  }
  return 0;
}
