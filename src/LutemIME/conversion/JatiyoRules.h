#pragma once

#include "conversion/RuleList.h"

// The rule lists of "Jatiyo" (layout 7) and "Jatiyo (Modified)" (layout 5):
// one key map, built on the first call and shared by the whole process. The
// modified list has no vowel movement: every vowel sign is typed after its
// consonant.
const RuleList& JatiyoRules();
const RuleList& JatiyoModifiedRules();
