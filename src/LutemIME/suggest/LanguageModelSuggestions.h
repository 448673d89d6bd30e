#pragma once

#include <string>

#include "Platform.h"
#include "suggest/CCandidateListItem.h"

// Layout-1 suggestions, appended to list (which owns the appended texts): up
// to two language-model words for the lower-cased keys, then up to two
// dictionary words beginning with the first, one with the second and two
// with the converted text. Nothing at all until the model is Ready; only the
// model words while the word dictionary is not. Duplicates are left to the
// list's builder.
void GetSuggestions(std::u16string lowerKeys, const WCHAR* convertedText,
                    LutemIMEArray<CCandidateListItem>* list);
