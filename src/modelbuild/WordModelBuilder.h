#pragma once

#include <string>

#include "modelbuild/LanguageModelBuilder.h"
#include "modelbuild/SpellingTable.h"

// Builds the language model of a word list: each word reachable from every
// way the spelling table has of typing its pieces, a piece per arc (input: the
// keys as one unit, output: the piece's Bengali text), so that a path spells
// the word and reads the keys a user types for it. Each loose choice adds its
// cost.
class WordModelBuilder {
 public:
  explicit WordModelBuilder(const SpellingTable& table);

  // A word with its own cost (WordPriors), on top of its spelling's.
  // False, and the word left out, when some part of it has no spelling.
  bool AddWord(const std::string& word, float cost);

  // Compacts the model (LanguageModelBuilder::Compact); add no word after it.
  LanguageModelBuilder& Finish();

 private:
  int32_t UnitLabel(const std::string& keys);

  const SpellingTable& table_;
  LanguageModelBuilder model_;
};
