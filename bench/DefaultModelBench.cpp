// The default language model that setup.sh builds into the data folder: the
// build, the load (time, and the resident memory it adds to a process), the
// decode per key while the typed words are typed key by key, and its quality
// on the list of how users type words: how often the word meant is the first
// model word, on the first page, in the list, in layout 1 (with the model)
// against layout 3 (the dictionary alone). Run with LUTEM_BENCH_MODEL=default
// (DictionaryAndModel.h), which also puts this model under the typing road.
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "BenchData.h"
#include "DictionaryAndModel.h"
#include "TypedWords.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/EngineDriver.h"
#include "service/settings/ProcessSettings.h"
#include "suggest/LanguageModelDecoder.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelLoader.h"
#include "conversion/WideToUtf8.h"
#include "suggest/WordSearch.h"

namespace {

using Clock = std::chrono::steady_clock;

bool Ready(benchmark::State& state) {
  if (!DefaultModelLoaded()) {
    state.SkipWithError("set LUTEM_BENCH_MODEL=default");
    return false;
  }
  const std::string failure = LoadDefaultDictionaryAndModel();
  if (!failure.empty()) {
    state.SkipWithError(failure.c_str());
    return false;
  }
  if (TypedWords().empty()) {
    state.SkipWithError("cannot read " LUTEM_TYPED_WORDS);
    return false;
  }
  return true;
}

double Percentile(std::vector<double> values, double q) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(q * static_cast<double>(values.size() - 1))];
}

std::string Lowered(std::string keys) {
  for (char& c : keys)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return keys;
}

// What setup.sh spends on the model: the script run whole, into a scratch file.
void BM_DefaultModelBuild(benchmark::State& state) {
  const std::string output = "/tmp/lutem-bench-model-" + std::to_string(getpid()) + ".bin";
  const std::string command = std::string(LUTEM_SOURCE_DIR "/scripts/make-default-model.sh " LUTEM_BUILD_DIR " ") +
                              output + " 2>/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("make-default-model.sh failed");
  }
  std::ifstream file(output, std::ios::binary | std::ios::ate);
  state.counters["file_bytes"] = static_cast<double>(file.tellg());
  std::remove(output.c_str());
}
BENCHMARK(BM_DefaultModelBuild)->Unit(benchmark::kSecond)->Iterations(1);

struct Memory {
  long residentKb = 0;
  long peakKb = 0;
};

Memory ReadMemory() {
  Memory memory;
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) memory.residentKb = std::atol(line.c_str() + 6);
    if (line.rfind("VmHWM:", 0) == 0) memory.peakKb = std::atol(line.c_str() + 6);
  }
  return memory;
}

// The resident memory a load adds, measured in a child process that has
// loaded nothing yet (its own globals emptied first), against itself before.
bool LoadedMemory(const std::string& path, Memory* added) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  const pid_t child = fork();
  if (child == 0) {
    ResetLanguageModelGlobals();
    const Memory before = ReadMemory();
    std::mutex lock;
    const bool loaded = LoadLanguageModel(path, lock);
    const Memory after = ReadMemory();
    const long result[3] = {loaded ? 1L : 0L, after.residentKb - before.residentKb, after.peakKb - before.residentKb};
    const ssize_t ignored = write(fds[1], result, sizeof result);
    (void)ignored;
    _exit(0);
  }
  close(fds[1]);
  long result[3] = {};
  const bool read_ = read(fds[0], result, sizeof result) == static_cast<ssize_t>(sizeof result);
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  added->residentKb = result[1];
  added->peakKb = result[2];
  return read_ && result[0] == 1;
}

void BM_DefaultModelLoad(benchmark::State& state) {
  if (!Ready(state)) return;
  const std::string path = DefaultModelPath();
  Memory added;
  if (!LoadedMemory(path, &added)) {
    state.SkipWithError("the child's load failed");
    return;
  }
  std::mutex lock;
  for (auto _ : state) {
    if (!LoadLanguageModel(path, lock)) state.SkipWithError("load failed");
  }
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  state.counters["file_bytes"] = static_cast<double>(file.tellg());
  state.counters["states"] = static_cast<double>(LanguageModelFst.NumStates());
  state.counters["resident_added_mb"] = static_cast<double>(added.residentKb) / 1024.0;
  state.counters["peak_added_mb"] = static_cast<double>(added.peakKb) / 1024.0;
}
BENCHMARK(BM_DefaultModelLoad)->Unit(benchmark::kMillisecond);

// Every typed word key by key, one decode per key.
void BM_DefaultModelDecodeWhileTyping(benchmark::State& state) {
  if (!Ready(state)) return;
  std::vector<double> micros;
  for (auto _ : state) {
    for (const TypedWord& typed : TypedWords()) {
      const std::string keys = Lowered(typed.keys);
      for (size_t n = 1; n <= keys.size(); ++n) {
        const Clock::time_point start = Clock::now();
        const auto words = DecodeWithLanguageModel(keys.substr(0, n), true);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        benchmark::DoNotOptimize(words.data());
      }
    }
  }
  state.counters["decodes"] = static_cast<double>(micros.size());
  state.counters["p50_us"] = Percentile(micros, 0.50);
  state.counters["p99_us"] = Percentile(micros, 0.99);
  state.counters["max_us"] = Percentile(micros, 1.0);
}
BENCHMARK(BM_DefaultModelDecodeWhileTyping)->Unit(benchmark::kMillisecond)->Iterations(5);

bool InDefaultList(const std::string& word) {
  const auto found = SearchWordsLimited(word, 1);
  return !found.empty() && found[0] == word;
}

// The typed words' lists as the engine builds them. "first": layout 1's
// first model word (in the byte order the decoder hands them out), layout
// 3's first dictionary word; "converted": the conversion itself is the word;
// "page": among the first seven candidates; "list": anywhere. The "listed_"
// counters count only the words of the default word list.
void BM_DefaultModelQuality(benchmark::State& state) {
  if (!Ready(state)) return;
  const int32_t layout = static_cast<int32_t>(state.range(0));
  const int32_t oldLayout = CurrentLayout;
  CurrentLayout = layout;
  CCompositionProcessorEngine engine;
  EngineDriver::LoadDictionaries(engine);
  double words = 0, first = 0, converted = 0, page = 0, list = 0;
  double listed = 0, listedFirst = 0, listedPage = 0, listedList = 0;
  for (auto _ : state) {
    for (const TypedWord& typed : TypedWords()) {
      const std::u16string keys(typed.keys.begin(), typed.keys.end());
      LutemIMEArray<CCandidateListItem> candidates;
      EngineDriver::Type(engine, keys, &candidates);
      std::vector<std::string> texts;
      for (size_t i = 0; i < candidates.Count(); ++i) {
        const CCandidateListItem* item = candidates.GetAt(i);
        texts.push_back(WideToUtf8(std::u16string(item->text, item->length)));
      }
      const auto at = std::find(texts.begin(), texts.end(), typed.word);
      const bool found = at != texts.end();
      const bool onPage = found && at - texts.begin() < 7;
      bool isFirst;
      if (layout == 1) {
        const auto model = DecodeWithLanguageModel(Lowered(typed.keys), true);
        isFirst = !model.empty() && model[0] == typed.word;
      } else {
        isFirst = texts.size() > 2 && texts[2] == typed.word;
      }
      const bool inList = InDefaultList(typed.word);
      words += 1;
      first += isFirst;
      converted += !texts.empty() && texts[0] == typed.word;
      page += onPage;
      list += found;
      listed += inList;
      listedFirst += inList && isFirst;
      listedPage += inList && onPage;
      listedList += inList && found;
    }
  }
  EngineDriver::SetKeys(engine, {});
  CurrentLayout = oldLayout;
  state.counters["words"] = words / static_cast<double>(state.iterations());
  state.counters["first"] = first / words;
  state.counters["converted"] = converted / words;
  state.counters["page"] = page / words;
  state.counters["list"] = list / words;
  state.counters["listed_words"] = listed / static_cast<double>(state.iterations());
  state.counters["listed_first"] = listedFirst / listed;
  state.counters["listed_page"] = listedPage / listed;
  state.counters["listed_list"] = listedList / listed;
}
BENCHMARK(BM_DefaultModelQuality)->ArgName("layout")->Arg(1)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
