#include "service/engine/CTableDictionaryEngine.h"

#include <atomic>
#include <mutex>
#include <utility>

#include "conversion/WideToUtf8.h"
#include "service/engine/LoaderThreadTails.h"
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

// Called with WordDictionaryMutex held, and LanguageModelMutex too for the
// model, so no other engine tests the state between the test and the move to
// Loading.
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
    KeepLoaderThread(std::move(holder));
  } catch (...) {
    ReleaseModule();
    SetLoadState(state, LoadState::Failed);
  }
}

}  // namespace

CTableDictionaryEngine::CTableDictionaryEngine(LANGID langId, const std::u16string& dataFolder)
    : langId_(langId) {
  // Once a load has started its loader may hold the lock for as long as it
  // parses (the model loader holds LanguageModelMutex from the parse to the
  // Ready state), and an engine set up then would keep WordDictionaryMutex
  // from the UI thread's searches and its own end from Deactivate while it
  // waited. A state never returns to NotStarted, so what has started needs
  // no lock to be seen as started.
  if (ReadLoadState(WordDictionaryState) != LoadState::NotStarted &&
      ReadLoadState(LanguageModelState) != LoadState::NotStarted)
    return;
  try {
    std::lock_guard<std::mutex> words(WordDictionaryMutex);
    StartLoader(WordDictionaryState, WordLoaderThread, LoadWordDictionaryThread, dataFolder,
                kWordDictionaryFile);
    // Only an engine holding WordDictionaryMutex starts the model loader, so
    // a model still NotStarted here has no loader that could hold its lock.
    if (ReadLoadState(LanguageModelState) == LoadState::NotStarted) {
      std::lock_guard<std::mutex> model(LanguageModelMutex);
      StartLoader(LanguageModelState, ModelLoaderThread, LoadLanguageModelThread, dataFolder,
                  kLanguageModelFile);
    }
  } catch (...) {
    // Only the locks can throw here, before any state has moved.
  }
}

void CTableDictionaryEngine::CollectWordsForPrefix(const WCHAR* prefix,
                                                   LutemIMEArray<CCandidateListItem>* list,
                                                   UINT wordLimit) {
  if (prefix == nullptr || list == nullptr || !IsLoadReady(WordDictionaryState)) return;
  // A converted text longer than any word by more than the distance bound
  // finds nothing: neither measured whole nor converted.
  const size_t limit = LongestUsefulQuery();
  const size_t length = LengthUpTo(AsChar16(prefix), limit);
  if (length > limit) return;
  // SearchWords returns at most 7 words, the only limit callers ask for.
  for (const std::string& word : SearchWords(WideToUtf8(std::u16string_view(AsChar16(prefix), length))))
    AppendUtf8Candidate(list, word);
}
