#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "conversion/PhoneticTableRows.h"

// What each loose choice costs on top of the canonical spelling (tropical
// weights: lower is better; the decoder prunes paths more than 4.0 worse than
// the best one, so a word stays in reach while its costs sum below that).
struct SpellingCosts {
  float cluster = 0.1f;        // a hasanta cluster the tables have no key for, typed as its letters
  float soundAlike = 0.6f;     // a letter typed as one the tables tell apart but users do not
  float unaspirated = 1.0f;    // an aspirated letter typed without its "h"
  float pholaLeftOut = 0.8f;   // ্য or ্ব not typed at all
  float doubledOnce = 0.8f;    // a doubled letter typed once
  float inherentO = 0.15f;     // the inherent vowel written "o"
  float inherentA = 0.6f;      // the inherent vowel written "a"
  float longA = 0.3f;          // া or আ written "aa"
  float pholaAsDouble = 0.4f;  // ্য or ্ব typed as the consonant before it once more ("jonno")
  float silentSign = 0.3f;     // candrabindu or visarga left out
  float signAsLetter = 0.8f;   // candrabindu typed "n", visarga typed "h"
  float unlistedWord = 1.5f;   // a word that the written-Bengali word list does not hold
  float lonelyWord = 1.0f;     // a word that begins no other word of the list; words that
                               // begin many (a stem and its inflections) cost up to this less
};

// One way to type a piece of Bengali text: the lowered keys (empty: typed
// with no key at all) and what this way costs.
struct Spelling {
  std::string keys;
  float cost = 0;
};

// The Lutem Phonetic tables read backwards: every Bengali letter, sign and
// cluster the tables write, mapped to the keys that type it as a model query
// sees them (capitals lowered, the punctuation a query drops removed), plus
// the loose spellings users type where the tables tell sounds apart that
// users do not.
class SpellingTable {
 public:
  explicit SpellingTable(const PhoneticTableRows& rows, const SpellingCosts& costs = SpellingCosts());

  // The spellings of exactly this text, or nullptr.
  const std::vector<Spelling>* Find(std::string_view text) const;
  size_t maxPieceBytes() const { return maxPieceBytes_; }
  const SpellingCosts& costs() const { return costs_; }

  // Keys as a query holds them: ASCII capitals lowered, the bytes the query
  // preparation removes left out.
  static std::string QueryKeys(std::string_view keys);

 private:
  void Add(const std::string& text, const std::string& keys, float cost);

  SpellingCosts costs_;
  std::unordered_map<std::string, std::vector<Spelling>> spellings_;
  size_t maxPieceBytes_ = 0;
};
