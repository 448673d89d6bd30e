// Typing a 12-key word in layout 1 with the default word dictionary (from
// setup.sh) and the generated language model loaded as the input method
// loads them: the whole key buffer converted and the candidate list rebuilt
// after every key, each rebuild one decode and three completion searches.
// The load states stay Ready for the rest of the process; this file links
// after CandidateBench.cpp, so the layout-1 lists there still see no model.
#include <benchmark/benchmark.h>

#include <string>

#include "DictionaryAndModel.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/EngineDriver.h"
#include "service/settings/ProcessSettings.h"

namespace {

void BM_TypeWordLayout1WithDictionaryAndModel(benchmark::State& state) {
  const std::string failure = LoadDefaultDictionaryAndModel();
  if (!failure.empty()) {
    state.SkipWithError(failure.c_str());
    return;
  }
  // Every key is a unit of the generated model, so every prefix is decoded.
  const std::u16string word = u"kolkatabashi";
  CurrentLayout = 1;
  CurrentEncoding = 0;
  CandidateWindow = 1;
  CCompositionProcessorEngine engine;
  EngineDriver::LoadDictionaries(engine);  // its own dictionary engine; nothing loads again
  LutemIMEArray<CCandidateListItem> list;
  size_t candidates = 0;
  for (auto _ : state) {
    candidates = 0;
    for (size_t keys = 1; keys <= word.size(); ++keys) {
      EngineDriver::Type(engine, std::u16string_view(word).substr(0, keys), &list);
      candidates += list.Count();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(word.size()));
  state.counters["candidates_per_key"] = static_cast<double>(candidates) / static_cast<double>(word.size());
}
BENCHMARK(BM_TypeWordLayout1WithDictionaryAndModel)->Unit(benchmark::kMicrosecond);

}  // namespace
