// Lowercase scheme cost: one full conversion of a key buffer, as after
// every key, and the table build that each engine does once.
#include <benchmark/benchmark.h>

#include <string>

#include "conversion/ConversionDispatcher.h"
#include "conversion/LowercaseScheme.h"

namespace {

#define SHIFT "\xEF\xA3\xBE"

const LowercaseScheme& Scheme() {
  static const LowercaseScheme s;
  return s;
}

void BM_LowercaseConvert_Word10(benchmark::State& state) {
  const std::string keys = "bangladesh";  // 10 keys
  for (auto _ : state) benchmark::DoNotOptimize(Scheme().Convert(keys));
}
BENCHMARK(BM_LowercaseConvert_Word10);

// The Shift marker is three bytes and the longest keys hold several.
void BM_LowercaseConvert_Markers(benchmark::State& state) {
  const std::string keys = SHIFT "sh" SHIFT "t" SHIFT "o " SHIFT "ngk" SHIFT "sh" SHIFT "a";
  for (auto _ : state) benchmark::DoNotOptimize(Scheme().Convert(keys));
}
BENCHMARK(BM_LowercaseConvert_Markers);

void BM_LowercaseConvert_Length(benchmark::State& state) {
  std::string keys;
  while (keys.size() < static_cast<size_t>(state.range(0))) keys += "amar sonar bangla ";
  keys.resize(static_cast<size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Scheme().Convert(keys));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LowercaseConvert_Length)->RangeMultiplier(2)->Range(8, 1024)->Complexity();

void BM_LowercaseConstruct(benchmark::State& state) {
  for (auto _ : state) {
    LowercaseScheme scheme;
    benchmark::DoNotOptimize(&scheme);
  }
}
BENCHMARK(BM_LowercaseConstruct);

void BM_LowercaseDispatcher_Word10(benchmark::State& state) {
  static const ConversionDispatcher d;
  const std::u16string keys = u"Bangladesh";
  for (auto _ : state) benchmark::DoNotOptimize(d.Convert(keys, 8, 0));
}
BENCHMARK(BM_LowercaseDispatcher_Word10);

}  // namespace
