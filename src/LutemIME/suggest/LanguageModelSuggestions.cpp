#include "suggest/LanguageModelSuggestions.h"

// The language model is not part of this build: it never becomes ready, and
// without it layout 1 offers no model words and no completions.
void GetSuggestions(std::u16string lowerKeys, const WCHAR* convertedText,
                    LutemIMEArray<CCandidateListItem>* list) {}
