#include "conversion/LowercaseScheme.h"

#include <algorithm>

#include "conversion/CodePoints.h"
#include "conversion/LowercaseTableRows.h"
#include "conversion/PhoneticScheme.h"
#include "conversion/VowelEnding.h"

LowercaseScheme::LowercaseScheme()
    : hasanta("\xE0\xA7\x8D"), zwj("\xE2\x80\x8D"), zwnj("\xE2\x80\x8C") {
  BuildTables();
  BuildKeyIndex();
}

void LowercaseScheme::BuildTables() {
  const LowercaseTableRows rows = LowercaseRows(hasanta, zwj, zwnj);
  initialVowels.Fill(rows.initialVowels);
  vowelSigns.Fill(rows.vowelSigns);
  consonants.Fill(rows.consonants);
  conjuncts.Fill(rows.conjuncts);
  signs.Fill(rows.signs);
  punctuation.Fill(rows.punctuation);
  phola.Fill(rows.phola);
  reph.Fill(rows.reph);
  digits.Fill(rows.digits);
}

void LowercaseScheme::BuildKeyIndex() {
  const RuleMap* maps[] = {&initialVowels, &vowelSigns, &consonants, &conjuncts, &signs,
                           &punctuation,   &phola,      &reph,       &digits};
  keys.Clear();
  maxKeyLength = 0;
  for (const RuleMap* map : maps) maxKeyLength = std::max(maxKeyLength, keys.InsertAll(*map));

  const std::string o = "o";
  oAfterVowel_ = initialVowels.Find(LowercaseKey("O"));
  oAfterConsonant_ = vowelSigns.Find(o);
  oAlone_ = initialVowels.Find(o);
  rules_.assign(keys.size(), KeyRule{});
  for (const RuleMap* map : maps) {
    map->ForEachKey([&](const std::string& key) {
      KeyRule& r = rules_[static_cast<size_t>(keys.Find(key))];
      r = KeyRule{};
      if ((r.value = digits.Find(key)) || (r.value = punctuation.Find(key)) ||
          (r.value = reph.Find(key)) || (r.value = signs.Find(key))) {
        return;
      }
      if ((r.value = conjuncts.Find(key))) {
        // A cluster written with its vowel ("nga"; "oZA" typed with Shift)
        // ends as a vowel key does.
        r.endsInConsonant = !EndsInVowel(*r.value);
        return;
      }
      if ((r.value = phola.Find(key))) {
        r.kind = KeyRule::Phola;
        r.endsInConsonant = key != "w";
        r.other = key == "r"   ? consonants.Find("r_consonant")
                  : key == "y" ? consonants.Find("Y_consonant")
                  : key == "w" ? consonants.Find("w_vowel")
                               : consonants.Find("z");
        return;
      }
      if ((r.value = consonants.Find(key))) {
        r.endsInConsonant = true;
        // The lone marker (Shift before a key that has no Shift form) writes
        // nothing, so what the text ends with, and the context, stay as they
        // were: "a", Shift, "w" must not join a ব-phola to the vowel.
        r.keepsContext = r.value->empty();
        return;
      }
      if (key == o) {
        r.kind = KeyRule::LetterO;
        return;
      }
      r.kind = KeyRule::Vowel;
      r.value = vowelSigns.Find(key);
      r.other = initialVowels.Find(key);
    });
  }
  // "ee" is a long-i key with a vowel sign only; outside a consonant it
  // writes the independent ঈ, as Shift+i does, instead of nothing.
  const int32_t ee = keys.Find("ee");
  if (ee != KeySet::kNoKey) {
    KeyRule& r = rules_[static_cast<size_t>(ee)];
    if (r.kind == KeyRule::Vowel && r.other == nullptr) r.other = initialVowels.Find(LowercaseKey("I"));
  }
}

std::string LowercaseScheme::NormalizeCase(std::string_view text) {
  return PhoneticScheme::NormalizeCase(text);
}

std::vector<std::string> LowercaseScheme::Tokenize(std::string_view text) const {
  return keys.Tokenize(text, maxKeyLength);
}

bool LowercaseScheme::EndsWithVowel(std::string_view text) {
  // Every vowel of the list is a three-byte character of the Bengali block.
  if (text.size() < 3) return false;
  const std::string_view last = text.substr(text.size() - 3);
  static const std::string vowels[] = {
      Utf8FromCodePoints(U"\u09BE"), Utf8FromCodePoints(U"\u09BF"), Utf8FromCodePoints(U"\u09C0"),
      Utf8FromCodePoints(U"\u09C1"), Utf8FromCodePoints(U"\u09C2"), Utf8FromCodePoints(U"\u09C3"),
      Utf8FromCodePoints(U"\u09C7"), Utf8FromCodePoints(U"\u09C8"), Utf8FromCodePoints(U"\u09CB"),
      Utf8FromCodePoints(U"\u09CC"), Utf8FromCodePoints(U"\u0985"), Utf8FromCodePoints(U"\u0986"),
      Utf8FromCodePoints(U"\u0987"), Utf8FromCodePoints(U"\u0988"), Utf8FromCodePoints(U"\u098F"),
      Utf8FromCodePoints(U"\u0990"), Utf8FromCodePoints(U"\u0994"), Utf8FromCodePoints(U"\u0993"),
      Utf8FromCodePoints(U"\u098B"),
  };
  for (const std::string& v : vowels)
    if (last == v) return true;
  return false;
}

std::string LowercaseScheme::Convert(std::string_view input) const {
  std::string out;
  if (input.empty()) return out;
  const std::string text = NormalizeCase(input);
  const std::string_view view(text);
  out.reserve(text.size() * 4);
  bool afterConsonant = false;

  for (size_t p = 0; p < view.size();) {
    if (view[p] == ' ') {
      out += ' ';
      afterConsonant = false;
      ++p;
      continue;
    }
    int32_t id;
    size_t length = keys.LongestMatch(view, p, maxKeyLength, &id);
    if (length == 0) {  // a byte that starts no key
      out += view[p++];
      afterConsonant = false;
      continue;
    }
    p += length;
    const KeyRule& r = rules_[static_cast<size_t>(id)];
    switch (r.kind) {
      case KeyRule::Write:
        out += *r.value;
        if (!r.keepsContext) afterConsonant = r.endsInConsonant;
        break;
      case KeyRule::Phola:
        if (afterConsonant) {
          out += hasanta;
          out += *r.value;
        } else {
          out += *r.other;
          afterConsonant = r.endsInConsonant;
        }
        break;
      case KeyRule::LetterO:
        out += *(EndsWithVowel(out) ? oAfterVowel_ : afterConsonant ? oAfterConsonant_ : oAlone_);
        afterConsonant = false;
        break;
      case KeyRule::Vowel: {
        const std::string* v = afterConsonant ? r.value : r.other;
        if (v) out += *v;
        afterConsonant = false;
        break;
      }
    }
  }
  return out;
}
