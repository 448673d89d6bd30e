#include "service/engine/DictionaryLoaderThread.h"

#include <new>
#include <string>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/CTableDictionaryEngine.h"
#include "service/engine/DictionaryDataFolder.h"
#include "service/module/DllObjectCount.h"

namespace {

void FillEngine(CCompositionProcessorEngine* engine) {
  try {
    std::u16string folder;
    if (DictionaryDataFolder(&folder))
      engine->ReplaceDictionaryEngine(new (std::nothrow) CTableDictionaryEngine(engine->langId, folder));
  } catch (...) {
    // No memory for the folder: this engine goes without dictionary words.
  }
  // With or without a dictionary engine, the learned choices still load.
  try {
    engine->LoadUserDictionary();
  } catch (...) {
  }
}

}  // namespace

DWORD WINAPI DictionaryLoaderThread(LPVOID engine) {
  if (engine != nullptr) FillEngine(static_cast<CCompositionProcessorEngine*>(engine));
  ReleaseModule();
  return 0;
}
