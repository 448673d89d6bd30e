// Fixed layouts and the ANSI form re-run their whole rule list over the whole
// text on every key, so these measure one full pass of a list over a
// 40-character text.
#include <benchmark/benchmark.h>

#include <string>

#include "conversion/AnsiEncodingRules.h"
#include "conversion/ApplyFixedLayoutRules.h"
#include "conversion/ConversionDispatcher.h"

namespace {

// Typical words of each layout, 40 keys.
std::u16string LayoutKeys(int layout) {
  switch (layout) {
    case 4: return u"cjgkZ sjf bfhZ cjf Hfnf jda ohjf njZ cjX";
    case 5: return u"jc jdA mfA hfbfq jsz ofbf jx jX jf& bf n";
    case 6: return u"[k/t| ik bara kfr [ka k/ru hfn mfa dfL o";
    default: return u"cjgkA djf bfhA cjf Hfnf jsz ohjf njA cjX";
  }
}

// 40 units of Bengali text. The first has pre-base signs, a reph, conjuncts
// and a u sign after a phala, which keep most of the list at work; the second
// is plain words; the third is dense with the u, ri and uu signs and phalas
// whose glyphs depend on the cluster before them, the costliest rules.
std::u16string Bengali40(int which) {
  if (which == 2)
    return std::u16string(u"\u0995\u09C1\u0995\u09C1\u09B0 \u0995\u09C3\u09B7\u09CD\u09A3 \u09A6\u09CD"
           u"\u09B0\u09C1\u09A4 \u0995\u09CD\u09B2\u09BE\u09A8\u09CD\u09A4 \u09B8\u09CD"
           u"\u09AC\u09AA\u09CD\u09A8 \u0986\u09A4\u09CD\u09AE\u09BE \u0995\u09C8 \u09B6")
        .substr(0, 40);
  if (which == 0)
    return u"\u09AE\u09BF \u0995\u09C7\u09AE\u09A8 \u0986\u099B\u09BF \u09B8\u09CD\u09A4"
           u"\u09CD\u09B0\u09C0 \u09B0\u09CD\u0995\u09CB \u0995\u09CD\u09B7\u09AE\u09BE "
           u"\u09AC\u09BE\u0982\u09B2\u09BE \u0995\u09CD\u09B0\u09C1";
  return u"\u0986\u09AE\u09BE\u09B0 \u09B8\u09CB\u09A8\u09BE\u09B0 \u09AC\u09BE\u0982\u09B2"
         u"\u09BE \u0986\u09AE\u09BF \u09A4\u09CB\u09AE\u09BE\u09DF \u09AD\u09BE\u09B2"
         u"\u09CB\u09AC\u09BE\u09B8\u09BF \u0995\u09C7\u09A8\u0964";
}

void BM_FixedLayout40(benchmark::State& state) {
  const int layout = static_cast<int>(state.range(0));
  const std::u16string keys = LayoutKeys(layout);
  ApplyFixedLayoutRules(keys, layout);  // builds the list outside the timing
  for (auto _ : state) benchmark::DoNotOptimize(ApplyFixedLayoutRules(keys, layout));
  state.SetLabel(std::to_string(keys.size()) + " keys");
}
BENCHMARK(BM_FixedLayout40)->Arg(4)->Arg(5)->Arg(6)->Arg(7)->Unit(benchmark::kMicrosecond);

void BM_AnsiPass40(benchmark::State& state) {
  const RuleList& rules = AnsiEncodingRules();
  const std::u16string text = Bengali40(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(rules.Apply(text));
  state.SetLabel(std::to_string(text.size()) + " units");
}
BENCHMARK(BM_AnsiPass40)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A whole ANSI conversion as the engine runs it, layout 4.
void BM_DispatcherFixedAnsi40(benchmark::State& state) {
  static const ConversionDispatcher d;
  const std::u16string keys = LayoutKeys(4);
  for (auto _ : state) benchmark::DoNotOptimize(d.Convert(keys, 4, 1));
}
BENCHMARK(BM_DispatcherFixedAnsi40)->Unit(benchmark::kMicrosecond);

}  // namespace
