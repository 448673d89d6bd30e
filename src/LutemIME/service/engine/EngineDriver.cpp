#include "service/engine/EngineDriver.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "suggest/LoadState.h"

void EngineDriver::SetKeys(CCompositionProcessorEngine& engine, std::u16string_view keys) {
  WCHAR* text = nullptr;
  if (!keys.empty()) {
    text = new WCHAR[keys.size()];
    std::copy(keys.begin(), keys.end(), text);
  }
  delete[] engine.keyBuffer.text;
  engine.keyBuffer = {keys.size(), text};
}

void EngineDriver::Convert(CCompositionProcessorEngine& engine) {
  WCHAR* converted = nullptr;
  if (engine.keyBuffer.length != 0)
    converted = engine.ConvertKeystrokes({engine.keyBuffer.length, engine.keyBuffer.text});
  delete[] engine.convertedText;
  engine.convertedText = converted;
}

void EngineDriver::Type(CCompositionProcessorEngine& engine, std::u16string_view keys,
                        LutemIMEArray<CCandidateListItem>* list) {
  SetKeys(engine, keys);
  Convert(engine);
  engine.BuildCandidateList(list);
}

bool EngineDriver::LoadDictionaries(CCompositionProcessorEngine& engine) {
  if (!engine.StartDictionaryThread()) return false;
  WaitForSingleObject(engine.dictionaryThreads.back(), INFINITE);
  // The loaders are detached and report only through their states.
  auto loading = [](const std::atomic<LoadState>& state) {
    return ReadLoadState(state) == LoadState::Loading;
  };
  while (loading(WordDictionaryState) || loading(LanguageModelState))
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  return true;
}
