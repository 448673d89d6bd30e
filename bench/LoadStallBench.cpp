// What the UI thread pays when a second engine is set up while the language
// model is parsed (a second UI thread, or the keyboard switched off and on
// during the load): the model loader holds its lock for the whole parse,
// which the benchmark holds instead for as long as it runs (parsing:1; with
// parsing:0 nothing holds it, for comparison). One iteration
// sets up an engine, searches the first engine's dictionary while the new
// engine's dictionary thread runs, and ends the new engine as Deactivate
// does; "search_p99_us" and "end_p99_us" are the 99th percentiles of the
// search and of the end. Were either to wait for the parse, the benchmark
// would not finish.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "DictionaryAndModel.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/EngineDriver.h"
#include "service/settings/ProcessSettings.h"
#include "suggest/LanguageModelGlobals.h"

namespace {

using Clock = std::chrono::steady_clock;

double Percentile(std::vector<double> times, size_t percent) {
  std::sort(times.begin(), times.end());
  return times[std::min(times.size() - 1, times.size() * percent / 100)];
}

void BM_EngineSetUpDuringTheModelParse(benchmark::State& state) {
  const std::string failure = LoadDefaultDictionaryAndModel();
  if (!failure.empty()) {
    state.SkipWithError(failure.c_str());
    return;
  }
  CurrentLayout = 2;
  CurrentEncoding = 0;
  CandidateWindow = 1;
  CCompositionProcessorEngine first;
  EngineDriver::LoadDictionaries(first);
  LutemIMEArray<CCandidateListItem> list;
  std::vector<double> searches, ends;
  std::unique_lock<std::mutex> parse(LanguageModelMutex, std::defer_lock);
  if (state.range(0) != 0) parse.lock();
  for (auto _ : state) {
    auto second = std::make_unique<CCompositionProcessorEngine>();
    if (!second->StartDictionaryThread()) {
      state.SkipWithError("the dictionary thread did not start");
      return;
    }
    Clock::time_point start = Clock::now();
    EngineDriver::Type(first, u"kotha", &list);
    searches.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    start = Clock::now();
    second.reset();
    ends.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  if (parse.owns_lock()) parse.unlock();
  state.counters["search_p99_us"] = Percentile(searches, 99);
  state.counters["end_p99_us"] = Percentile(ends, 99);
  state.counters["end_max_us"] = *std::max_element(ends.begin(), ends.end());
}
BENCHMARK(BM_EngineSetUpDuringTheModelParse)
    ->ArgName("parsing")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(300)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
