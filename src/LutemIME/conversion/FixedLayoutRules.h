#pragma once

#include "conversion/RuleList.h"

// The rule list of "Lutem (Fixed)" (layout 4), built on the first call and
// shared by the whole process.
const RuleList& FixedLayoutRules();
