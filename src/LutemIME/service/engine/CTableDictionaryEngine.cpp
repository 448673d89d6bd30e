#include "service/engine/CTableDictionaryEngine.h"

#include <atomic>
#include <mutex>
#include <utility>

#include "conversion/WideToUtf8.h"
#include "service/module/DllObjectCount.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LoadLanguageModelThread.h"
#include "suggest/LoadState.h"
#include "suggest/LoadWordDictionaryThread.h"
#include "suggest/WordDictionaryGlobals.h"
#include "suggest/WordSearch.h"

std::thread WordLoaderThread;
std::thread ModelLoaderThread;

namespace {

const char16_t kWordDictionaryFile[] = u"lutem_bn-BD.bin";
const char16_t kLanguageModelFile[] = u"Lutem_LM.bin";

// Called with both load mutexes held, so no other engine tests the state
// between the test and the move to Loading.
void StartLoader(std::atomic<LoadState>& state, std::thread& holder,
                 void (*body)(std::u16string), const std::u16string& folder,
                 const char16_t* file) {
  if (ReadLoadState(state) != LoadState::NotStarted) return;
  SetLoadState(state, LoadState::Loading);
  // The thread runs the module's code: the module stays loaded until it ends.
  DllAddRef();
  try {
    holder = std::thread(
        [body](std::u16string path) {
          body(std::move(path));
          ReleaseModule();
        },
        folder + file);
    holder.detach();
  } catch (...) {
    ReleaseModule();
    SetLoadState(state, LoadState::Failed);
  }
}

}  // namespace

CTableDictionaryEngine::CTableDictionaryEngine(LANGID langId, const std::u16string& dataFolder)
    : langId_(langId) {
  try {
    std::lock_guard<std::mutex> words(WordDictionaryMutex);
    std::lock_guard<std::mutex> model(LanguageModelMutex);
    StartLoader(WordDictionaryState, WordLoaderThread, LoadWordDictionaryThread, dataFolder,
                kWordDictionaryFile);
    StartLoader(LanguageModelState, ModelLoaderThread, LoadLanguageModelThread, dataFolder,
                kLanguageModelFile);
  } catch (...) {
    // Only the locks can throw here, before any state has moved.
  }
}

void CTableDictionaryEngine::CollectWordsForPrefix(const WCHAR* prefix,
                                                   LutemIMEArray<CCandidateListItem>* list,
                                                   UINT wordLimit) {
  if (prefix == nullptr || list == nullptr || !IsLoadReady(WordDictionaryState)) return;
  // SearchWords returns at most 7 words, the only limit callers ask for.
  for (const std::string& word : SearchWords(WideToUtf8(std::u16string_view(AsChar16(prefix)))))
    AppendUtf8Candidate(list, word);
}
