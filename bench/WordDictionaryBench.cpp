// The word dictionary as the input method meets it: the load on the word
// loader thread, and the searches that run on the UI thread after every key.
// Runs on the default dictionary that setup.sh builds; each search benchmark
// cycles through many queries and reports per-query percentiles (p50_us,
// p99_us, max_us) besides the mean.
#include <benchmark/benchmark.h>
#include <utf8.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "BenchData.h"
#include "suggest/LoadState.h"
#include "suggest/ReadWordTrie.h"
#include "suggest/WordDictionaryGlobals.h"
#include "suggest/WordSearch.h"

namespace {

struct Corpus {
  bool ready = false;
  std::vector<std::string> words;
  std::vector<std::string> prefixes[4];  // by number of characters, 1 to 3
  std::vector<std::string> misses;       // queries that begin no word
};

std::string FirstChars(const std::string& word, size_t count) {
  auto it = word.begin();
  for (size_t i = 0; i < count && it != word.end(); ++i) utf8::next(it, word.end());
  return std::string(word.begin(), it);
}

// Loads the default dictionary once, publishes it, and derives the queries:
// every distinct first letter, the 300 most common two- and three-letter
// starts (the most completions, so the slowest), and 300 near misses.
const Corpus& TheCorpus() {
  static Corpus corpus = [] {
    Corpus c;
    auto trie = LoadWordTrieFile(DefaultDictionaryPath());
    if (!trie) return c;
    trie->ForEachCompletion("", [&](std::string_view w) {
      c.words.emplace_back(w);
      return true;
    });
    {
      std::lock_guard<std::mutex> lock(WordDictionaryMutex);
      WordTrie = std::move(trie);
      SetLoadState(WordDictionaryState, LoadState::Ready);  // as the word loader leaves it
    }
    for (size_t n = 1; n <= 3; ++n) {
      std::map<std::string, size_t> counts;
      for (const auto& w : c.words) ++counts[FirstChars(w, n)];
      std::vector<std::pair<size_t, std::string>> byCount;
      for (auto& [prefix, count] : counts) byCount.emplace_back(count, prefix);
      std::sort(byCount.rbegin(), byCount.rend());
      if (byCount.size() > 300) byCount.resize(300);
      for (auto& entry : byCount) c.prefixes[n].push_back(entry.second);
    }
    // The first two to seven letters of a word followed by ঃ (U+0983), kept
    // when no word begins with the result: the fallback then scans every
    // word of the first letter, and queries of usual word lengths meet the
    // most words of about their own length.
    std::mt19937 random(1);
    while (c.misses.size() < 300) {
      const std::string& w = c.words[random() % c.words.size()];
      std::string head = FirstChars(w, 2 + random() % 6);
      if (head.size() >= w.size()) continue;
      std::string q = head + "\xE0\xA6\x83";
      if (SearchWordsLimited(q, 1).empty()) c.misses.push_back(q);
    }
    c.ready = true;
    return c;
  }();
  return corpus;
}

template <typename Search>
void RunQueries(benchmark::State& state, const std::vector<std::string>& queries, Search search) {
  if (!TheCorpus().ready) {
    state.SkipWithError(("no default dictionary at " + DefaultDictionaryPath() +
                         " (run ./setup.sh)").c_str());
    return;
  }
  std::vector<double> micros;
  size_t i = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(search(queries[i]));
    micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    i = (i + 1) % queries.size();
  }
  std::sort(micros.begin(), micros.end());
  auto at = [&](double q) { return micros[std::min(micros.size() - 1, static_cast<size_t>(q * micros.size()))]; };
  state.counters["p50_us"] = at(0.50);
  state.counters["p99_us"] = at(0.99);
  state.counters["max_us"] = micros.back();
  state.counters["queries"] = static_cast<double>(queries.size());
}

void BM_LoadWordDictionary(benchmark::State& state) {
  const std::string path = DefaultDictionaryPath();
  for (auto _ : state) {
    auto trie = LoadWordTrieFile(path);
    if (!trie) {
      state.SkipWithError(("no default dictionary at " + path + " (run ./setup.sh)").c_str());
      return;
    }
    benchmark::DoNotOptimize(trie);
  }
}
BENCHMARK(BM_LoadWordDictionary)->Unit(benchmark::kMillisecond);

void BM_SearchWords(benchmark::State& state) {
  RunQueries(state, TheCorpus().prefixes[state.range(0)],
             [](const std::string& q) { return SearchWords(q); });
}
BENCHMARK(BM_SearchWords)->ArgName("letters")->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

void BM_SearchWordsFallback(benchmark::State& state) {
  RunQueries(state, TheCorpus().misses, [](const std::string& q) { return SearchWords(q); });
}
BENCHMARK(BM_SearchWordsFallback)->Unit(benchmark::kMicrosecond);

void BM_SearchWordsLimited(benchmark::State& state) {
  RunQueries(state, TheCorpus().prefixes[state.range(0)],
             [](const std::string& q) { return SearchWordsLimited(q, 2); });
}
BENCHMARK(BM_SearchWordsLimited)->ArgName("letters")->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
