// A user who never types a space: in the fixed layouts every key re-applies
// the layout's whole rule list to the whole key buffer, and with the ANSI
// encoding the ANSI list to the whole converted text, so a key costs in
// proportion to the buffer. "conversion_s" is the conversion of every prefix
// of the keys, as typing them one by one converts them; the single rows are
// one application to the whole text.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "conversion/AnsiEncodingRules.h"
#include "conversion/ApplyFixedLayoutRules.h"
#include "conversion/ConversionDispatcher.h"

namespace {

using Clock = std::chrono::steady_clock;

// The keys the typing benchmarks type without a space, from a fixed linear
// congruential sequence so that every run types the same text.
std::u16string SpacelessKeys(size_t count) {
  static const std::u16string kLetters = u"amikhbsrtnlodgpe";
  std::u16string keys(count, u' ');
  uint32_t state = 1;
  for (char16_t& key : keys) {
    state = state * 1103515245u + 12345u;
    key = kLetters[(state >> 16) % kLetters.size()];
  }
  return keys;
}

void BM_FixedLayoutLongKeysTyped(benchmark::State& state) {
  const int layout = static_cast<int>(state.range(0));
  const std::u16string keys = SpacelessKeys(static_cast<size_t>(state.range(1)));
  ApplyFixedLayoutRules(keys.substr(0, 1), layout);  // builds the list outside the timing
  double seconds = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    for (size_t length = 1; length <= keys.size(); ++length)
      benchmark::DoNotOptimize(ApplyFixedLayoutRules(std::u16string_view(keys).substr(0, length), layout));
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
  }
  state.counters["conversion_s"] = seconds;
}
BENCHMARK(BM_FixedLayoutLongKeysTyped)
    ->ArgNames({"layout", "keys"})
    ->ArgsProduct({{4, 5, 6, 7}, {2000, 10000}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

void BM_FixedLayoutLongKeysOnce(benchmark::State& state) {
  const int layout = static_cast<int>(state.range(0));
  const std::u16string keys = SpacelessKeys(static_cast<size_t>(state.range(1)));
  ApplyFixedLayoutRules(keys.substr(0, 1), layout);
  for (auto _ : state) benchmark::DoNotOptimize(ApplyFixedLayoutRules(keys, layout));
}
BENCHMARK(BM_FixedLayoutLongKeysOnce)
    ->ArgNames({"layout", "keys"})
    ->ArgsProduct({{4, 5, 6, 7}, {10000}})
    ->Unit(benchmark::kMicrosecond);

// The ANSI list over a fixed layout's conversion of the spaceless keys, the
// text it rewrites at the last key.
void BM_AnsiLongTextOnce(benchmark::State& state) {
  const int layout = static_cast<int>(state.range(0));
  const std::u16string text =
      ApplyFixedLayoutRules(SpacelessKeys(static_cast<size_t>(state.range(1))), layout);
  const RuleList& rules = AnsiEncodingRules();
  for (auto _ : state) benchmark::DoNotOptimize(rules.Apply(text));
  state.SetLabel(std::to_string(text.size()) + " units");
}
BENCHMARK(BM_AnsiLongTextOnce)
    ->ArgNames({"layout", "keys"})
    ->ArgsProduct({{4, 5, 6, 7}, {10000}})
    ->Unit(benchmark::kMicrosecond);

// Every key in ANSI: the layout's list, then the ANSI list, on every prefix.
void BM_AnsiLongKeysTyped(benchmark::State& state) {
  const int layout = static_cast<int>(state.range(0));
  const std::u16string keys = SpacelessKeys(static_cast<size_t>(state.range(1)));
  const RuleList& rules = AnsiEncodingRules();
  double seconds = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    for (size_t length = 1; length <= keys.size(); ++length)
      benchmark::DoNotOptimize(
          rules.Apply(ApplyFixedLayoutRules(std::u16string_view(keys).substr(0, length), layout)));
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
  }
  state.counters["conversion_s"] = seconds;
}
BENCHMARK(BM_AnsiLongKeysTyped)
    ->ArgNames({"layout", "keys"})
    ->ArgsProduct({{4, 5, 6, 7}, {2000}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The whole conversion as the engine runs it at the last key, with its UTF-8
// steps, in Unicode (0) and ANSI (1).
void BM_DispatcherLongKeysOnce(benchmark::State& state) {
  static const ConversionDispatcher d;
  const int layout = static_cast<int>(state.range(0));
  const int encoding = static_cast<int>(state.range(1));
  const std::u16string keys = SpacelessKeys(10000);
  d.Convert(keys.substr(0, 1), layout, encoding);
  for (auto _ : state) benchmark::DoNotOptimize(d.Convert(keys, layout, encoding));
}
BENCHMARK(BM_DispatcherLongKeysOnce)
    ->ArgNames({"layout", "encoding"})
    ->ArgsProduct({{4, 5, 6, 7}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
