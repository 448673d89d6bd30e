#include "modelbuild/WordModelBuilder.h"

#include <vector>

#include <utf8cpp/utf8.h>

namespace {

// A piece ending in a consonant letter that no vowel sign, hasanta or nukta
// follows carries the inherent vowel, which users may write "o".
bool EndsInConsonant(const std::string& piece) {
  auto it = piece.end();
  char32_t c = utf8::prior(it, piece.begin());
  if (c == 0x09BC && it != piece.begin()) c = utf8::prior(it, piece.begin());  // a nukta written apart
  return (c >= 0x0995 && c <= 0x09B9) || c == 0x09DC || c == 0x09DD || c == 0x09DF;
}

bool TakesInherentVowel(const std::string& word, size_t at) {
  if (at == word.size()) return true;
  const char32_t c = utf8::peek_next(word.begin() + static_cast<std::ptrdiff_t>(at), word.end());
  return !(c == 0x09BC || (c >= 0x09BE && c <= 0x09CD) || c == 0x09D7);
}

struct PieceArc {
  size_t from;
  size_t to;
  int32_t input;
  int32_t output;
  float cost;
};

}  // namespace

WordModelBuilder::WordModelBuilder(const SpellingTable& table) : table_(table) {}

int32_t WordModelBuilder::UnitLabel(const std::string& keys) {
  if (keys.empty()) return 0;
  std::string unit;
  for (char c : keys) {
    if (!unit.empty()) unit += model_.separator();
    unit += c;
  }
  return model_.InputLabel(unit);
}

bool WordModelBuilder::AddWord(const std::string& word, float cost) {
  const size_t n = word.size();
  if (n == 0 || !utf8::is_valid(word.begin(), word.end())) return false;
  std::vector<PieceArc> arcs;
  std::vector<bool> reached(n + 1, false);
  reached[0] = true;
  for (size_t i = 0; i < n; ++i) {
    if (!reached[i]) continue;
    for (size_t len = 1; len <= table_.maxPieceBytes() && i + len <= n; ++len) {
      const std::string piece = word.substr(i, len);
      const std::vector<Spelling>* spellings = table_.Find(piece);
      if (!spellings) continue;
      const int32_t output = model_.OutputLabel(piece);
      const bool inherent = EndsInConsonant(piece) && TakesInherentVowel(word, i + len);
      for (const Spelling& s : *spellings) {
        arcs.push_back({i, i + len, UnitLabel(s.keys), output, s.cost});
        if (inherent && !s.keys.empty()) {
          arcs.push_back({i, i + len, UnitLabel(s.keys + "o"), output, s.cost + table_.costs().inherentO});
          arcs.push_back({i, i + len, UnitLabel(s.keys + "a"), output, s.cost + table_.costs().inherentA});
        }
      }
      reached[i + len] = true;
    }
  }
  if (!reached[n]) return false;
  // Only positions from which the end is reached get states.
  std::vector<bool> leadsToEnd(n + 1, false);
  leadsToEnd[n] = true;
  for (size_t k = arcs.size(); k-- > 0;)
    if (leadsToEnd[arcs[k].to]) leadsToEnd[arcs[k].from] = true;
  std::vector<LanguageModelBuilder::StateId> state(n + 1, fst::kNoStateId);
  state[0] = LanguageModelBuilder::kStart;
  for (size_t i = 1; i <= n; ++i)
    if (leadsToEnd[i]) state[i] = model_.AddState();
  for (const PieceArc& a : arcs)
    if (leadsToEnd[a.to] && state[a.from] != fst::kNoStateId)
      model_.AddArc(state[a.from], state[a.to], a.input, a.output, a.cost);
  model_.SetFinal(state[n], cost);
  return true;
}

LanguageModelBuilder& WordModelBuilder::Finish() {
  model_.Compact();
  return model_;
}
