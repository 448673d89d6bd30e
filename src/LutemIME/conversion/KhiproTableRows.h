#pragma once

#include <vector>

#include "conversion/RuleMap.h"

// The rows of the eleven Khipro groups, one list per group in the order
// shor, byanjon, juktolutem, reph, phola, kar, ongko, diacritic, biram,
// prithayok, ae. Nukta letters are written decomposed (য U+09AF + U+09BC).
std::vector<std::vector<RuleEntry>> KhiproGroupRows();
