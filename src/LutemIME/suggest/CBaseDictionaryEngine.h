#pragma once

#include "Platform.h"
#include "suggest/CCandidateListItem.h"

// A source of dictionary words for the candidate list.
class CBaseDictionaryEngine {
 public:
  virtual ~CBaseDictionaryEngine() = default;

  // Appends up to wordLimit words for prefix (NUL-terminated) to list; the
  // texts it appends belong to the list. The base knows no words.
  virtual void CollectWordsForPrefix(const WCHAR* prefix, LutemIMEArray<CCandidateListItem>* list,
                                     UINT wordLimit) {}

  virtual void Reserved() {}
};
