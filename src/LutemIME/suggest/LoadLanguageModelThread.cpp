#include "suggest/LoadLanguageModelThread.h"

#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelLoader.h"
#include "suggest/LoadState.h"
#include "suggest/NarrowLoaderPath.h"

void LoadLanguageModelThread(std::u16string path) {
  bool loaded = false;
  try {
    std::string narrow;
    loaded = NarrowLoaderPath(path, &narrow) && LoadLanguageModel(narrow, LanguageModelMutex);
  } catch (...) {
    loaded = false;
  }
  // Stored last: every global is complete before a reader can see Ready.
  SetLoadState(LanguageModelState, loaded ? LoadState::Ready : LoadState::Failed);
}
