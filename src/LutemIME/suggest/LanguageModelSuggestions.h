#pragma once

#include <string>

#include "Platform.h"
#include "suggest/CCandidateListItem.h"

// Layout-1 suggestions: language-model words for the lower-cased keys and
// dictionary completions of them and of the converted text, appended to list
// (which owns the appended texts).
void GetSuggestions(std::u16string lowerKeys, const WCHAR* convertedText,
                    LutemIMEArray<CCandidateListItem>* list);
