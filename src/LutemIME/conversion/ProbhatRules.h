#pragma once

#include "conversion/RuleList.h"

// The rule list of "Probhat" (layout 6), built on the first call and shared
// by the whole process.
const RuleList& ProbhatRules();
