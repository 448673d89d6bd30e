#include "GeneratedLanguageModel.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>

#include "BenchData.h"
#include "conversion/CodePoints.h"
#include "modelbuild/LanguageModelBuilder.h"

namespace {

constexpr size_t kWords = 50000;

struct Unit {
  const char* keys;      // "(kh)" is one unit of two keys
  const char32_t* text;  // its Bengali letter or sign
};

const Unit kConsonants[] = {
    {"k", U"\u0995"},    {"(kh)", U"\u0996"}, {"g", U"\u0997"},    {"(gh)", U"\u0998"}, {"c", U"\u099A"},
    {"(ch)", U"\u099B"}, {"j", U"\u099C"},    {"t", U"\u09A4"},    {"(th)", U"\u09A5"}, {"d", U"\u09A6"},
    {"(dh)", U"\u09A7"}, {"n", U"\u09A8"},    {"p", U"\u09AA"},    {"(ph)", U"\u09AB"}, {"b", U"\u09AC"},
    {"(bh)", U"\u09AD"}, {"m", U"\u09AE"},    {"r", U"\u09B0"},    {"l", U"\u09B2"},    {"s", U"\u09B8"},
    {"(sh)", U"\u09B6"}, {"h", U"\u09B9"},
};
const Unit kVowelSigns[] = {
    {"a", U""}, {"a", U"\u09BE"}, {"i", U"\u09BF"}, {"u", U"\u09C1"}, {"e", U"\u09C7"}, {"o", U"\u09CB"},
};

// A fixed linear congruential sequence, so every run builds the same model.
class Sequence {
 public:
  uint32_t Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<uint32_t>(state_ >> 33);
  }
  uint32_t Below(uint32_t n) { return Next() % n; }

 private:
  uint64_t state_ = 20261210;
};

std::string PlainKeys(const std::string& keys) {
  std::string plain;
  for (char c : keys) {
    if (c != '(' && c != ')') plain += c;
  }
  return plain;
}

}  // namespace

GeneratedModel GenerateLanguageModel() {
  LanguageModelBuilder builder("+");
  Sequence random;
  std::set<std::string> outputs;
  std::vector<std::string> wordKeys;
  while (outputs.size() < kWords) {
    std::string keys;
    std::u32string text;
    const uint32_t syllables = 1 + random.Below(4);
    for (uint32_t s = 0; s < syllables; ++s) {
      const Unit& consonant = kConsonants[random.Below(std::size(kConsonants))];
      const Unit& vowel = kVowelSigns[random.Below(std::size(kVowelSigns))];
      keys += consonant.keys;
      keys += vowel.keys;
      text += consonant.text;
      text += vowel.text;
    }
    const std::string output = Utf8FromCodePoints(text);
    const float weight = 1.0f + static_cast<float>(random.Below(8000)) / 1000.0f;
    if (!outputs.insert(output).second) continue;  // each word once, as in a real lexicon
    builder.AddWord(KeyUnits(keys, "+"), output, weight);
    wordKeys.push_back(keys);
  }
  // The transliteration loop: every unit to its letter or sign, costlier
  // than the lexicon, so that whole words win where they match.
  const auto loop = builder.AddState();
  builder.AddArc(LanguageModelBuilder::kStart, loop, 0, 0, 3.0f);
  builder.SetFinal(loop, 0.0f);
  auto addLoopArcs = [&](const Unit* units, size_t count) {
    for (const Unit* unit = units; unit != units + count; ++unit) {
      const std::u32string text = unit->text;
      const int32_t out = text.empty() ? 0 : builder.OutputLabel(Utf8FromCodePoints(text));
      const int32_t in = builder.InputLabel(KeyUnits(unit->keys, "+")[0]);
      builder.AddArc(loop, loop, in, out, 1.0f + static_cast<float>(random.Below(1000)) / 1000.0f);
    }
  };
  addLoopArcs(kConsonants, std::size(kConsonants));
  addLoopArcs(kVowelSigns, std::size(kVowelSigns));
  for (const char* key : {"k", "g", "c", "t", "d", "p", "b", "s", "h"}) builder.InputLabel(key);

  GeneratedModel model;
  const std::string dir = BenchTempFolder("lutem-lm-bench");
  if (dir.empty()) return model;
  model.path = dir + "/Lutem_LM.bin";
  model.file = builder.ModelFile();
  if (!WriteFileBytes(model.path, model.file, nullptr)) model.path.clear();

  // What a user types: words and runs of words, cut to at most 19 keys.
  for (size_t i = 0; i < 200; ++i) {
    std::string typed;
    while (typed.size() < 19) typed += PlainKeys(wordKeys[random.Below(static_cast<uint32_t>(wordKeys.size()))]);
    typed.resize(std::min<size_t>(typed.size(), 8 + random.Below(12)));
    model.typed.push_back(typed);
  }
  return model;
}

