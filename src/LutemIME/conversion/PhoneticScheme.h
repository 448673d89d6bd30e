#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conversion/KeySet.h"
#include "conversion/PhoneticTableRows.h"
#include "conversion/RuleMap.h"

// The table-driven transliterator shared by "Lutem Phonetic" and "Avro
// Phonetic": ten rule maps, a greedy longest-key tokenizer and a token loop
// with a four-state context. The subclasses only fill the maps.
class PhoneticScheme {
 public:
  enum PhoneticContext { Start = 0, AfterConsonant = 1, AfterVowel = 2, AfterOther = 3 };

  virtual ~PhoneticScheme() = default;

  // Lowers the capitals that no table gives a meaning of its own.
  static std::string NormalizeCase(std::string_view text);
  std::vector<std::string> Tokenize(std::string_view text) const;
  std::string Convert(std::string_view text) const;

  // The tables, in field order. Written only while the object is built.
  RuleMap initialVowels;
  RuleMap vowelsAfterVowel;
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

 protected:
  PhoneticScheme() = default;

  // Fills each map from its rows, clearing it first.
  void FillTables(const PhoneticTableRows& rows);

  // Puts every key of the ten maps into `keys`, sets maxKeyLength and resolves
  // each key's rules once, so Convert asks no map at run time.
  void BuildKeyIndex();

  // A key outside initialVowels that the vowel step still takes, read as the
  // vowel key `as` except after a consonant, where its own vowel sign is used.
  void AddVowelAlias(std::string key, std::string as);

 private:
  // What each map says about one key; nullptr where the key is not in it.
  struct KeyRules {
    const std::string* digit = nullptr;
    const std::string* punctuation = nullptr;
    const std::string* reph = nullptr;
    const std::string* sign = nullptr;
    bool signEndsInHasanta = false;
    const std::string* conjunct = nullptr;
    bool conjunctEndsInVowel = false;
    const std::string* pholaJoined = nullptr;  // after a consonant, behind a hasanta
    bool isPhola = false;
    const std::string* pholaAlone = nullptr;   // the letter a phola key writes elsewhere
    const std::string* consonant = nullptr;
    const std::string* vowelInitial = nullptr;
    const std::string* vowelAfterVowel = nullptr;
    const std::string* vowelSign = nullptr;
  };

  struct Token {
    size_t pos = 0;
    size_t length = 0;
    int32_t id = KeySet::kNoKey;
  };
  Token NextToken(std::string_view text, size_t pos) const;
  bool TokenIs(std::string_view text, const Token& t, std::string_view what) const {
    return text.substr(t.pos, t.length) == what;
  }

  std::vector<KeyRules> rules_;
  std::vector<std::pair<std::string, std::string>> vowelAliases_;
};
