// Cost of one keystroke as the text service pays it: the whole key buffer is
// converted again and the candidate list rebuilt after every key. Each
// iteration types a 12-key word from its first key to its last.
#include <benchmark/benchmark.h>

#include <string>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/EngineDriver.h"
#include "service/settings/ProcessSettings.h"

namespace {

const std::u16string kWord = u"bishwabidyal";  // 12 keys

// Seven words for any prefix, as a loaded word dictionary offers at most.
class SevenWords : public CBaseDictionaryEngine {
 public:
  void CollectWordsForPrefix(const WCHAR* prefix, LutemIMEArray<CCandidateListItem>* list,
                             UINT wordLimit) override {
    std::u16string word(prefix);
    for (UINT i = 0; i < wordLimit; ++i) {
      word += u'\u09BE';
      AppendCandidateCopy(list, word);
    }
  }
};

void TypeWord(benchmark::State& state, bool withDictionaries) {
  const int layout = static_cast<int>(state.range(0));
  const int encoding = static_cast<int>(state.range(1));
  CurrentLayout = layout;
  CurrentEncoding = encoding;
  CandidateWindow = 1;
  CCompositionProcessorEngine engine;
  if (withDictionaries) {
    engine.dictionaryEngine.store(new SevenWords);
    for (int i = 0; i < 1000; ++i) {
      std::u16string keys = u"k";
      for (char digit : std::to_string(i)) keys += static_cast<char16_t>(digit);
      engine.StoreUserChoice(keys, u"x");
    }
    engine.StoreUserChoice(kWord, u"x");
  }
  LutemIMEArray<CCandidateListItem> list;
  for (auto _ : state) {
    for (size_t keys = 1; keys <= kWord.size(); ++keys) {
      EngineDriver::Type(engine, std::u16string_view(kWord).substr(0, keys), &list);
      benchmark::DoNotOptimize(list.Count());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kWord.size()));
}

void BM_TypeWord(benchmark::State& state) { TypeWord(state, false); }
void BM_TypeWordWithDictionaries(benchmark::State& state) { TypeWord(state, true); }

BENCHMARK(BM_TypeWord)
    ->ArgNames({"layout", "encoding"})
    ->ArgsProduct({{1, 2, 3, 4, 5, 6, 7, 8}, {0, 1}});
BENCHMARK(BM_TypeWordWithDictionaries)
    ->ArgNames({"layout", "encoding"})
    ->ArgsProduct({{1, 3}, {0}});

}  // namespace
