#pragma once

#include <string>

#include "Platform.h"
#include "suggest/CBaseDictionaryEngine.h"

// The dictionary engine of one composition engine. The word data it searches
// is process-wide and outlives it.
class CTableDictionaryEngine : public CBaseDictionaryEngine {
 public:
  // dataFolder: the dictionaries folder, ending in a backslash.
  CTableDictionaryEngine(LANGID langId, std::u16string dataFolder);
  ~CTableDictionaryEngine() override = default;

  void CollectWordsForPrefix(const WCHAR* prefix, LutemIMEArray<CCandidateListItem>* list,
                             UINT wordLimit) override;
  void Reserved() override {}

 private:
  DWORD langId_;
};
