#pragma once

#include <string_view>
#include <vector>

#include "conversion/RuleMap.h"

// The ordered rows of a table-driven phonetic scheme's ten maps.
struct PhoneticTableRows {
  std::vector<RuleEntry> initialVowels;
  std::vector<RuleEntry> vowelsAfterVowel;
  std::vector<RuleEntry> vowelSigns;
  std::vector<RuleEntry> consonants;
  std::vector<RuleEntry> conjuncts;
  std::vector<RuleEntry> signs;
  std::vector<RuleEntry> punctuation;
  std::vector<RuleEntry> phola;
  std::vector<RuleEntry> reph;
  std::vector<RuleEntry> digits;
};

// A row whose value is given by its code points.
RuleEntry R(std::string_view key, std::u32string_view value);

PhoneticTableRows LutemPhoneticRows();
PhoneticTableRows AvroPhoneticRows();
