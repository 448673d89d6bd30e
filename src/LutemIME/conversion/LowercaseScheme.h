#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conversion/KeySet.h"
#include "conversion/RuleMap.h"

// "Lutem Lowercase (Experimental)" (layout 8): no key holds a capital; where
// another scheme tells two sounds apart by case, this one has the Shift
// marker U+F8FE before the small letter. Same maps and tokenizer as the
// other table-driven schemes, but a yes/no consonant context, no look-ahead
// and a rule of its own for "o".
class LowercaseScheme {
 public:
  LowercaseScheme();
  LowercaseScheme(const LowercaseScheme&) = delete;
  LowercaseScheme& operator=(const LowercaseScheme&) = delete;

  void BuildTables();
  void BuildKeyIndex();

  static std::string NormalizeCase(std::string_view text);
  std::vector<std::string> Tokenize(std::string_view text) const;
  // keys: UTF-8 with A-Z already lowered by the dispatcher.
  std::string Convert(std::string_view keys) const;
  // True when text ends with a vowel sign or an independent vowel other than
  // উ and ঊ.
  static bool EndsWithVowel(std::string_view text);

  // The scheme's own copies of the three signs, set before the tables.
  const std::string hasanta;
  const std::string zwj;
  const std::string zwnj;

  // The tables, in field order. Written only while the object is built.
  RuleMap initialVowels;
  RuleMap vowelSigns;
  RuleMap consonants;
  RuleMap conjuncts;
  RuleMap signs;
  RuleMap punctuation;
  RuleMap phola;
  RuleMap reph;
  RuleMap digits;
  KeySet keys;
  size_t maxKeyLength = 0;

 private:
  // What the token loop does with one key, resolved once from the maps in
  // the loop's order of tests.
  struct KeyRule {
    enum Kind : unsigned char { Write, Phola, LetterO, Vowel };
    Kind kind = Write;
    bool endsInConsonant = false;  // Write; Phola when it stands alone
    bool keepsContext = false;     // Write of nothing: the lone Shift marker
    const std::string* value = nullptr;  // Write; Phola after a consonant; Vowel after a consonant
    const std::string* other = nullptr;  // Phola alone; Vowel elsewhere
  };

  std::vector<KeyRule> rules_;
  // What "o" writes after a vowel, after a consonant and elsewhere.
  const std::string* oAfterVowel_ = nullptr;
  const std::string* oAfterConsonant_ = nullptr;
  const std::string* oAlone_ = nullptr;
};
