#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conversion/RuleMap.h"

// The ordered rows of the Lowercase scheme's nine maps.
struct LowercaseTableRows {
  std::vector<RuleEntry> initialVowels;
  std::vector<RuleEntry> vowelSigns;
  std::vector<RuleEntry> consonants;
  std::vector<RuleEntry> conjuncts;
  std::vector<RuleEntry> signs;
  std::vector<RuleEntry> punctuation;
  std::vector<RuleEntry> phola;
  std::vector<RuleEntry> reph;
  std::vector<RuleEntry> digits;
};

// The UTF-8 form of the Shift marker U+F8FE that layout 8 puts into the key
// buffer for every press of Shift.
inline constexpr std::string_view kShiftMarker{"\xEF\xA3\xBE"};

// A key as the tables spell it: a capital letter stands for the marker and
// that letter in lower case, '~' for the marker alone; the rest is copied.
std::string LowercaseKey(std::string_view spelled);

// The rows; the few values made of the three signs are built from the
// scheme's own copies of them.
LowercaseTableRows LowercaseRows(std::string_view hasanta, std::string_view zwj,
                                 std::string_view zwnj);
