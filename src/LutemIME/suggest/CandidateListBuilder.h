#pragma once

#include "Platform.h"
#include "suggest/CBaseDictionaryEngine.h"
#include "suggest/CCandidateListItem.h"
#include "suggest/CStringRange.h"
#include "suggest/UserDictionary.h"

// Everything one build reads, taken once at its start: the composition's
// keys and their conversion, the settings of the moment, the dictionary
// engine (may be null) and the user dictionary with the lock that guards it.
struct CandidateListInputs {
  CStringRange keys;
  const WCHAR* convertedText = nullptr;
  int layout = 0;
  int encoding = 0;
  bool candidateWindow = false;
  CBaseDictionaryEngine* dictionaryEngine = nullptr;
  const UserDictionary* userDictionary = nullptr;
  CRITICAL_SECTION* userDictionaryLock = nullptr;
};

// Fills a candidate list, front to back: the converted text, the raw keys,
// the number in words, dictionary (or, in layout 1, language-model) words;
// then the user's remembered choice for these keys moves to the front and
// later duplicates go.
class CandidateListBuilder {
 public:
  explicit CandidateListBuilder(const CandidateListInputs& inputs) : in_(inputs) {}
  void Build(LutemIMEArray<CCandidateListItem>* list) const;

 private:
  void AppendNumberWords(LutemIMEArray<CCandidateListItem>* list) const;
  void AppendDictionaryWords(LutemIMEArray<CCandidateListItem>* list) const;
  void MoveRememberedChoiceToFront(LutemIMEArray<CCandidateListItem>* list) const;

  CandidateListInputs in_;
};
