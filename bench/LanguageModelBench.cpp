// Language-model costs: loading the model file once per process, and one
// decode per keystroke in layout 1 while a word is typed key by key, on the
// generated model (GeneratedLanguageModel.h).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "GeneratedLanguageModel.h"
#include "suggest/LanguageModelDecoder.h"
#include "suggest/LanguageModelFile.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelLoader.h"

namespace {

const GeneratedModel& Model() {
  static const GeneratedModel model = [] {
    GeneratedModel m = GenerateLanguageModel();
    static std::mutex lock;
    if (m.path.empty() || !LoadLanguageModel(m.path, lock)) std::abort();
    return m;
  }();
  return model;
}

void BM_LanguageModelLoad(benchmark::State& state) {
  const GeneratedModel& model = Model();
  std::mutex lock;
  for (auto _ : state) {
    if (!LoadLanguageModel(model.path, lock)) state.SkipWithError("load failed");
  }
  state.counters["file_bytes"] = static_cast<double>(model.file.size());
  state.counters["states"] = static_cast<double>(LanguageModelFst.NumStates());
  state.counters["output_symbols"] = static_cast<double>(ModelOutputSymbols->NumSymbols());
}
BENCHMARK(BM_LanguageModelLoad)->Unit(benchmark::kMillisecond);

// The deciphering part of the load alone.
void BM_ReadLanguageModelFile(benchmark::State& state) {
  const GeneratedModel& model = Model();
  for (auto _ : state) {
    std::stringstream plaintext;
    ReadLanguageModelFile(model.path, plaintext);
    benchmark::DoNotOptimize(plaintext.tellp());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * model.file.size()));
}
BENCHMARK(BM_ReadLanguageModelFile)->Unit(benchmark::kMillisecond);

// One decode of the first N keys of a typed string.
void BM_DecodePerKeystroke(benchmark::State& state) {
  const GeneratedModel& model = Model();
  const std::string query = (model.typed[0] + model.typed[1]).substr(0, static_cast<size_t>(state.range(0)));
  size_t words = 0;
  for (auto _ : state) words = DecodeWithLanguageModel(query, true).size();
  state.counters["words"] = static_cast<double>(words);
}
BENCHMARK(BM_DecodePerKeystroke)->DenseRange(1, 19)->Unit(benchmark::kMicrosecond);

// Typing 200 strings key by key, one decode per key: the spread of the
// per-keystroke cost.
void BM_DecodeWhileTyping(benchmark::State& state) {
  const GeneratedModel& model = Model();
  std::vector<double> micros;
  size_t withWords = 0;
  for (auto _ : state) {
    for (const std::string& typed : model.typed) {
      for (size_t n = 1; n <= typed.size(); ++n) {
        const auto start = std::chrono::steady_clock::now();
        const auto words = DecodeWithLanguageModel(typed.substr(0, n), true);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        withWords += words.empty() ? 0 : 1;
      }
    }
  }
  std::sort(micros.begin(), micros.end());
  auto at = [&](double q) { return micros[static_cast<size_t>(q * static_cast<double>(micros.size() - 1))]; };
  state.counters["decodes"] = static_cast<double>(micros.size());
  state.counters["p50_us"] = at(0.50);
  state.counters["p99_us"] = at(0.99);
  state.counters["max_us"] = micros.back();
  state.counters["share_with_words"] = static_cast<double>(withWords) / static_cast<double>(micros.size());
}
BENCHMARK(BM_DecodeWhileTyping)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
