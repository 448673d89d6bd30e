// Khipro conversion cost: the whole key buffer is converted again after
// every key, so these measure one full conversion of a buffer.
#include <benchmark/benchmark.h>

#include <string>

#include "conversion/ConversionDispatcher.h"
#include "conversion/KhiproScheme.h"

namespace {

void BM_KhiproConvert_Word10(benchmark::State& state) {
  const KhiproScheme scheme;
  const std::string keys = "bangladesh";  // 10 keys
  for (auto _ : state) benchmark::DoNotOptimize(scheme.Convert(keys));
}
BENCHMARK(BM_KhiproConvert_Word10);

// Clusters and ড়/ঢ় rows: the longest keys of the tables.
void BM_KhiproConvert_Clusters(benchmark::State& state) {
  const KhiproScheme scheme;
  const std::string keys = "sfprff ktfrf kkhnf";
  for (auto _ : state) benchmark::DoNotOptimize(scheme.Convert(keys));
}
BENCHMARK(BM_KhiproConvert_Clusters);

void BM_KhiproConvert_Length(benchmark::State& state) {
  const KhiproScheme scheme;
  std::string keys;
  while (keys.size() < static_cast<size_t>(state.range(0))) keys += "amar sonar bangla ";
  keys.resize(static_cast<size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(scheme.Convert(keys));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_KhiproConvert_Length)->RangeMultiplier(2)->Range(8, 1024)->Complexity();

// Every construction after the first only checks that the tables exist.
void BM_KhiproConstruct(benchmark::State& state) {
  for (auto _ : state) {
    KhiproScheme scheme;
    benchmark::DoNotOptimize(&scheme);
  }
}
BENCHMARK(BM_KhiproConstruct);

void BM_KhiproDispatcher_Word10(benchmark::State& state) {
  static const ConversionDispatcher d;
  const std::u16string keys = u"Bangladesh";
  for (auto _ : state) benchmark::DoNotOptimize(d.Convert(keys, 2, 0));
}
BENCHMARK(BM_KhiproDispatcher_Word10);

}  // namespace
