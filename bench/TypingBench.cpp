// Typing a 12-key word in layout 1 with the default word dictionary (from
// setup.sh) and the generated language model loaded as the input method
// loads them: the whole key buffer converted and the candidate list rebuilt
// after every key, each rebuild one decode and three completion searches.
// The load states stay Ready for the rest of the process; this file links
// after CandidateBench.cpp, so the layout-1 lists there still see no model.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "BenchData.h"
#include "GeneratedLanguageModel.h"
#include "host/SystemRoot.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/DictionaryDataFolder.h"
#include "service/engine/EngineDriver.h"
#include "service/settings/ProcessSettings.h"
#include "suggest/LoadState.h"

namespace {

// Puts both files in a data folder of their own and loads them through an
// engine's dictionary thread; returns why that failed, or nothing.
std::string LoadDefaultDictionaryAndModel() {
  std::ifstream in(DefaultDictionaryPath(), std::ios::binary);
  const std::string dictionary{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (dictionary.empty()) return "no default dictionary at " + DefaultDictionaryPath() + " (run ./setup.sh)";
  const GeneratedModel model = GenerateLanguageModel();
  if (model.path.empty()) return "cannot write the model";
  std::filesystem::remove_all(std::filesystem::path(model.path).parent_path());

  char root[] = "/tmp/lutem-bench-XXXXXX";
  if (mkdtemp(root) == nullptr) return "cannot make a system root";
  const char* old = std::getenv("LUTEM_SYSTEM_ROOT");
  const std::string oldRoot = old != nullptr ? old : "";
  const bool hadRoot = old != nullptr;
  setenv("LUTEM_SYSTEM_ROOT", root, 1);
  std::u16string folder;
  DictionaryDataFolder(&folder);
  const std::string host = platform::HostPathFromWindowsPath(folder);
  platform::EnsureFolder(host.substr(0, host.size() - 1));
  std::ofstream(host + "lutem_bn-BD.bin", std::ios::binary) << dictionary;
  std::ofstream(host + "Lutem_LM.bin", std::ios::binary) << model.file;
  {
    CCompositionProcessorEngine loader;
    EngineDriver::LoadDictionaries(loader);
  }
  if (hadRoot)
    setenv("LUTEM_SYSTEM_ROOT", oldRoot.c_str(), 1);
  else
    unsetenv("LUTEM_SYSTEM_ROOT");
  std::filesystem::remove_all(root);
  if (!IsLoadReady(WordDictionaryState) || !IsLoadReady(LanguageModelState)) return "a load failed";
  return {};
}

void BM_TypeWordLayout1WithDictionaryAndModel(benchmark::State& state) {
  static const std::string failure = LoadDefaultDictionaryAndModel();
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
