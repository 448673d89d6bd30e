// Language-model costs: loading the model file once per process, and one
// decode per keystroke in layout 1 while a word is typed key by key. The model
// is generated deterministically: a lexicon of more than 50,000 distinct words
// over Bengali syllables, plus a unit-by-unit transliteration loop that gives
// every query paths, as a full model does.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "conversion/CodePoints.h"
#include "modelbuild/LanguageModelBuilder.h"
#include "suggest/LanguageModelDecoder.h"
#include "suggest/LanguageModelFile.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelLoader.h"

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

struct GeneratedModel {
  std::string path;
  size_t fileBytes = 0;
  std::vector<std::string> typed;  // key strings of up to 19 keys
};

std::string PlainKeys(const std::string& keys) {
  std::string plain;
  for (char c : keys) {
    if (c != '(' && c != ')') plain += c;
  }
  return plain;
}

GeneratedModel Generate() {
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
  std::string dir = (std::filesystem::temp_directory_path() / "lutem-lm-bench-XXXXXX").string();
  if (mkdtemp(dir.data()) == nullptr) return model;
  model.path = dir + "/Lutem_LM.bin";
  const std::string file = builder.ModelFile();
  model.fileBytes = file.size();
  WriteFileBytes(model.path, file, nullptr);

  // What a user types: words and runs of words, cut to at most 19 keys.
  for (size_t i = 0; i < 200; ++i) {
    std::string typed;
    while (typed.size() < 19) typed += PlainKeys(wordKeys[random.Below(static_cast<uint32_t>(wordKeys.size()))]);
    typed.resize(std::min<size_t>(typed.size(), 8 + random.Below(12)));
    model.typed.push_back(typed);
  }
  return model;
}

const GeneratedModel& Model() {
  static const GeneratedModel model = [] {
    GeneratedModel m = Generate();
    static std::mutex lock;
    if (m.path.empty() || !LoadLanguageModel(m.path, lock)) std::abort();
    return m;
  }();
  return model;
}

void BM_LanguageModelLoad(benchmark::State& state) {
  const GeneratedModel& model = Model();
  std::mutex lock;
  for (auto _ : state) {
    if (!LoadLanguageModel(model.path, lock)) state.SkipWithError("load failed");
  }
  state.counters["file_bytes"] = static_cast<double>(model.fileBytes);
  state.counters["states"] = static_cast<double>(LanguageModelFst.NumStates());
  state.counters["output_symbols"] = static_cast<double>(ModelOutputSymbols->NumSymbols());
}
BENCHMARK(BM_LanguageModelLoad)->Unit(benchmark::kMillisecond);

// The deciphering part of the load alone.
void BM_ReadLanguageModelFile(benchmark::State& state) {
  const GeneratedModel& model = Model();
  for (auto _ : state) {
    std::stringstream plaintext;
    ReadLanguageModelFile(model.path, plaintext);
    benchmark::DoNotOptimize(plaintext.tellp());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * model.fileBytes));
}
BENCHMARK(BM_ReadLanguageModelFile)->Unit(benchmark::kMillisecond);

// One decode of the first N keys of a typed string.
void BM_DecodePerKeystroke(benchmark::State& state) {
  const GeneratedModel& model = Model();
  const std::string query = (model.typed[0] + model.typed[1]).substr(0, static_cast<size_t>(state.range(0)));
  size_t words = 0;
  for (auto _ : state) words = DecodeWithLanguageModel(query, true).size();
  state.counters["words"] = static_cast<double>(words);
}
BENCHMARK(BM_DecodePerKeystroke)->DenseRange(1, 19)->Unit(benchmark::kMicrosecond);

// Typing 200 strings key by key, one decode per key: the spread of the
// per-keystroke cost.
void BM_DecodeWhileTyping(benchmark::State& state) {
  const GeneratedModel& model = Model();
  std::vector<double> micros;
  size_t withWords = 0;
  for (auto _ : state) {
    for (const std::string& typed : model.typed) {
      for (size_t n = 1; n <= typed.size(); ++n) {
        const auto start = std::chrono::steady_clock::now();
        const auto words = DecodeWithLanguageModel(typed.substr(0, n), true);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        withWords += words.empty() ? 0 : 1;
      }
    }
  }
  std::sort(micros.begin(), micros.end());
  auto at = [&](double q) { return micros[static_cast<size_t>(q * static_cast<double>(micros.size() - 1))]; };
  state.counters["decodes"] = static_cast<double>(micros.size());
  state.counters["p50_us"] = at(0.50);
  state.counters["p99_us"] = at(0.99);
  state.counters["max_us"] = micros.back();
  state.counters["share_with_words"] = static_cast<double>(withWords) / static_cast<double>(micros.size());
}
BENCHMARK(BM_DecodeWhileTyping)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
