// Conversion cost per keystroke: the whole key buffer is converted again after
// every key, so these measure one full conversion of a buffer.
#include <benchmark/benchmark.h>

#include <string>

#include "conversion/ConversionDispatcher.h"

namespace {

const ConversionDispatcher& Dispatcher() {
  static const ConversionDispatcher d;
  return d;
}

std::u16string Keys(const char* ascii) { return std::u16string(ascii, ascii + std::char_traits<char>::length(ascii)); }

void BM_LutemPhoneticConvert_Word10(benchmark::State& state) {
  const auto& scheme = Dispatcher().lutemPhonetic();
  std::string keys = "bangladesh";  // 10 keys
  for (auto _ : state) benchmark::DoNotOptimize(scheme.Convert(keys));
}
BENCHMARK(BM_LutemPhoneticConvert_Word10);

void BM_AvroPhoneticConvert_Word10(benchmark::State& state) {
  const auto& scheme = Dispatcher().avroPhonetic();
  std::string keys = "bangladesh";
  for (auto _ : state) benchmark::DoNotOptimize(scheme.Convert(keys));
}
BENCHMARK(BM_AvroPhoneticConvert_Word10);

// Linear growth: the same text repeated to N keys.
void BM_LutemPhoneticConvert_Length(benchmark::State& state) {
  const auto& scheme = Dispatcher().lutemPhonetic();
  std::string keys;
  while (keys.size() < static_cast<size_t>(state.range(0))) keys += "amar sonar bangla ";
  keys.resize(static_cast<size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(scheme.Convert(keys));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LutemPhoneticConvert_Length)->RangeMultiplier(2)->Range(8, 1024)->Complexity();

void BM_Dispatcher(benchmark::State& state) {
  std::u16string keys = state.range(0) == 10 ? Keys("bangladesh") : Keys("amar sonar bangla ami tomay");
  keys.resize(static_cast<size_t>(state.range(0)), u'a');
  int layout = static_cast<int>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(Dispatcher().Convert(keys, layout, 0));
}
BENCHMARK(BM_Dispatcher)->Args({10, 1})->Args({30, 1})->Args({10, 3})->Args({30, 3});

}  // namespace
