#include "suggest/CTableDictionaryEngine.h"

CTableDictionaryEngine::CTableDictionaryEngine(LANGID langId, std::u16string dataFolder)
    : langId_(langId) {}

// No word dictionary is loaded in this build, so there is nothing to offer.
void CTableDictionaryEngine::CollectWordsForPrefix(const WCHAR* prefix,
                                                   LutemIMEArray<CCandidateListItem>* list,
                                                   UINT wordLimit) {}
