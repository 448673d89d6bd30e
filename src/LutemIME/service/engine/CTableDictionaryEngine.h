#pragma once

#include <string>
#include <thread>

#include "Platform.h"
#include "suggest/CBaseDictionaryEngine.h"

// The dictionary engine of one composition engine. The word dictionary and
// the language model it offers are process-wide: the first engine of the
// process starts their loaders, and all share what they load.
class CTableDictionaryEngine : public CBaseDictionaryEngine {
 public:
  // dataFolder: the dictionaries folder, ending in a backslash. Starts each
  // loader whose file has not been started yet in this process (under both
  // load mutexes, word dictionary first); a loader that cannot be started
  // leaves its file Failed. Throws nothing.
  CTableDictionaryEngine(LANGID langId, const std::u16string& dataFolder);
  // Frees the object only: the loaded data stays for the other engines.
  ~CTableDictionaryEngine() override = default;

  // Up to 7 dictionary words for prefix (see SearchWords), appended as
  // copies the list owns; nothing until the word dictionary is Ready.
  void CollectWordsForPrefix(const WCHAR* prefix, LutemIMEArray<CCandidateListItem>* list,
                             UINT wordLimit) override;
  void Reserved() override {}

 private:
  DWORD langId_;
};

// The loader threads between their start and their detachment, which
// follows at once.
extern std::thread WordLoaderThread;
extern std::thread ModelLoaderThread;
