#pragma once

#include "conversion/RuleList.h"

// The rules that rewrite Unicode Bengali into the ANSI form that legacy
// Bengali fonts draw: each conjunct, sign and letter becomes the Windows-1252
// character at whose code such a font keeps its glyph, in visual order.
// Built on the first call and shared by the whole process.
const RuleList& AnsiEncodingRules();
