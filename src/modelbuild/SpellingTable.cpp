#include "modelbuild/SpellingTable.h"

#include <algorithm>
#include <iterator>

#include <utf8cpp/utf8.h>

#include "conversion/CodePoints.h"
#include "suggest/LanguageModelQuery.h"

namespace {

const std::string kHasanta = Utf8FromCodePoints(U"\u09CD");

std::string T(std::u32string_view text) { return Utf8FromCodePoints(text); }

// A table row a user types: pseudo keys ("r_consonant") are read by name only,
// and the grave-accent keys write explicit forms nobody types inside a word.
bool Typed(const RuleEntry& row) {
  return !row.value.empty() && row.key.find('_') == std::string::npos &&
         row.key.find('`') == std::string::npos;
}

bool IsConsonant(char32_t c) { return (c >= 0x0995 && c <= 0x09B9) || c == 0x09DC || c == 0x09DD || c == 0x09DF; }

bool IsOneConsonant(const std::string& text) {
  std::u32string cps;
  utf8::utf8to32(text.begin(), text.end(), std::back_inserter(cps));
  return cps.size() == 1 && IsConsonant(cps[0]);
}

}  // namespace

std::string SpellingTable::QueryKeys(std::string_view keys) {
  std::string lowered(keys);
  for (char& c : lowered)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return PrepareLanguageModelQuery(lowered);
}

void SpellingTable::Add(const std::string& text, const std::string& keys, float cost) {
  // A piece typed with no key is a path that reads nothing; left free, every
  // word would hold any number of them.
  if (keys.empty()) cost = std::max(cost, costs_.silentSign);
  auto& list = spellings_[text];
  for (Spelling& known : list) {
    if (known.keys == keys) {
      known.cost = std::min(known.cost, cost);
      return;
    }
  }
  list.push_back({keys, cost});
  maxPieceBytes_ = std::max(maxPieceBytes_, text.size());
}

SpellingTable::SpellingTable(const PhoneticTableRows& rows, const SpellingCosts& costs) : costs_(costs) {
  for (const auto* map : {&rows.initialVowels, &rows.vowelsAfterVowel, &rows.vowelSigns, &rows.consonants,
                          &rows.conjuncts, &rows.signs, &rows.reph}) {
    for (const RuleEntry& row : *map)
      if (Typed(row)) Add(row.value, QueryKeys(row.key), 0);
  }
  // A phola key joins the consonant before it; elsewhere it writes a letter
  // of its own: "r" র, "y" য়, "z" য, and "w" the vowel ও.
  for (const RuleEntry& row : rows.phola) {
    Add(kHasanta + row.value, QueryKeys(row.key), 0);
    const char32_t* alone = row.key == "r" ? U"\u09B0" : row.key == "y" ? U"\u09DF" : row.key == "w" ? U"\u0993" : U"\u09AF";
    Add(T(alone), QueryKeys(row.key), 0);
  }

  const float alike = costs.soundAlike;
  const struct {
    const char32_t* text;
    const char* keys;
    float cost;
  } loose[] = {
      {U"\u09B8", "sh", alike},  {U"\u09B7", "s", alike},    {U"\u099C", "z", alike},
      {U"\u09AF", "j", alike},   {U"\u09DD", "r", alike},    {U"\u09DD", "rh", alike},    {U"\u099A", "ch", alike},
      {U"\u099B", "chh", alike}, {U"\u09C2", "oo", alike},   {U"\u098A", "oo", alike},
      {U"\u0988", "ee", alike},  {U"\u09BF", "ee", alike},   {U"\u09CE", "t", alike},
      {U"\u098B", "ri", alike},  {U"\u09C3", "ri", alike},   {U"\u09CC", "ow", alike},
      {U"\u099E", "n", alike},   {U"\u0995\u09CD\u09B7", "kh", alike},
      {U"\u099C\u09CD\u099E", "gy", alike},                  {U"\u0982", "ngo", alike},
      {U"\u0996", "k", costs.unaspirated},                   {U"\u0998", "g", costs.unaspirated},
      {U"\u099D", "j", costs.unaspirated},                   {U"\u09A0", "t", costs.unaspirated},
      {U"\u09A5", "t", costs.unaspirated},                   {U"\u09A2", "d", costs.unaspirated},
      {U"\u09A7", "d", costs.unaspirated},                   {U"\u09AB", "p", costs.unaspirated},
      {U"\u09AD", "b", costs.unaspirated},
      {U"\u0981", "", 0},        {U"\u0983", "", 0},         {U"\u0981", "n", costs.signAsLetter},
      {U"\u0983", "h", costs.signAsLetter},
      {U"\u09CD\u09AF", "", costs.pholaLeftOut},             {U"\u09CD\u09AC", "", costs.pholaLeftOut},
      {U"\u200C", "", 0},        {U"\u200D", "", 0},
      {U"\u09BE", "aa", costs.longA},                        {U"\u0986", "aa", costs.longA},
      {U"\u09CD\u09AF", "ya", costs.longA},                  {U"\u09CD\u09AF", "e", alike},
      {U"\u09AC", "v", alike},  {U"\u0995", "c", costs.signAsLetter},
      {U"\u0985", "a", alike},  {U"\u0983\u0996", "kkh", costs.longA},
      {U"\u0982\u0997", "ng", costs.longA},
  };
  for (const auto& l : loose) Add(T(l.text), l.keys, l.cost);

  // Clusters: a hasanta and a consonant typed as that consonant's keys (the
  // hasanta key of the tables is dropped from queries anyway), and a doubled
  // consonant typed once.
  std::vector<std::pair<std::string, std::vector<Spelling>>> consonants;
  for (const auto& entry : spellings_)
    if (IsOneConsonant(entry.first)) consonants.push_back(entry);
  for (const auto& [text, list] : consonants) {
    for (const Spelling& s : list) {
      if (s.keys.empty()) continue;
      Add(kHasanta + text, s.keys, s.cost + costs.cluster);
      Add(text + kHasanta + text, s.keys, s.cost + costs.doubledOnce);
      // ্য and ্ব heard as a doubled consonant: "jonno" জন্য, "moddhe" মধ্যে.
      for (const char32_t* phola : {U"\u09CD\u09AF", U"\u09CD\u09AC"}) {
        Add(text + T(phola), s.keys + s.keys, s.cost + costs.pholaAsDouble);
        if (s.keys.size() > 1) Add(text + T(phola), s.keys.substr(0, 1) + s.keys, s.cost + costs.pholaAsDouble);
      }
    }
  }
  // ড়, ঢ় and য় are written with their nukta apart in some word lists.
  const std::pair<std::string, std::string> nukta[] = {{T(U"\u09DC"), T(U"\u09A1\u09BC")},
                                                       {T(U"\u09DD"), T(U"\u09A2\u09BC")},
                                                       {T(U"\u09DF"), T(U"\u09AF\u09BC")}};
  const auto precomposed = spellings_;
  for (const auto& [text, list] : precomposed) {
    std::string apart = text;
    for (const auto& [one, two] : nukta)
      for (size_t at; (at = apart.find(one)) != std::string::npos;) apart.replace(at, one.size(), two);
    if (apart != text)
      for (const Spelling& s : list) Add(apart, s.keys, s.cost);
  }
}

const std::vector<Spelling>* SpellingTable::Find(std::string_view text) const {
  const auto it = spellings_.find(std::string(text));
  return it == spellings_.end() ? nullptr : &it->second;
}
