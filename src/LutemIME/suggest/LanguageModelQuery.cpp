#include "suggest/LanguageModelQuery.h"

#include <cstring>
#include <iostream>
#include <regex>

#include <utf8cpp/utf8.h>

namespace {

bool IsStrippedByte(unsigned char byte) {
  static const char kStripped[] = "!\"#$%&'()*+,./:;<>?@^_{}~";
  return byte != 0 && std::strchr(kStripped, byte) != nullptr;
}

}  // namespace

bool PassesLanguageModelQueryGate(const std::string& query, bool modelReady) {
  if (!modelReady || query.size() > kMaxLanguageModelQueryBytes) return false;
  static const std::regex kRepeatedByte("(.)\\1{5,}", std::regex::ECMAScript);
  return !std::regex_search(query, kRepeatedByte);
}

std::string PrepareLanguageModelQuery(const std::string& query) {
  std::string prepared;
  prepared.reserve(query.size());
  for (char c : query) {
    if (!IsStrippedByte(static_cast<unsigned char>(c))) prepared.push_back(c);
  }
  return prepared;
}

std::vector<std::string> SplitUtf8IntoCharacters(const std::string& text) {
  const char* begin = text.c_str();
  const char* end = begin + std::strlen(begin);
  std::vector<std::string> characters;
  for (const char* it = begin; it != end;) {
    const char* start = it;
    utf8::next(it, end);
    characters.emplace_back(start, it);
  }
  return characters;
}

LabelList MapCharactersToInputLabels(const std::string& prepared, const fst::SymbolTable& inputSymbols) {
  LabelList labels;
  for (const std::string& character : SplitUtf8IntoCharacters(prepared)) {
    const int64_t label = inputSymbols.Find(character);
    if (label == fst::kNoSymbol) {
      std::cerr << "Symbol: '" << character << "' not found in input symbols table." << std::endl
                << "Mapping to null..." << std::endl;
      continue;
    }
    labels.push_back(static_cast<int32_t>(label));
  }
  return labels;
}

void BuildInputLattice(const LabelList& labels, fst::MutableFst<fst::StdArc>& lattice, int32_t spanLimit,
                       const PiecesLabelMap& piecesToLabel) {
  using Arc = fst::StdArc;
  const size_t n = labels.size();
  lattice.SetStart(lattice.AddState());
  LabelList span;
  for (size_t i = 0; i < n; ++i) {
    const auto from = static_cast<Arc::StateId>(i);
    lattice.AddArc(from, Arc(labels[i], labels[i], Arc::Weight::One(), from + 1));
    for (size_t k = 2; k <= static_cast<size_t>(spanLimit > 0 ? spanLimit : 0) && i + k <= n; ++k) {
      span.assign(labels.begin() + static_cast<std::ptrdiff_t>(i), labels.begin() + static_cast<std::ptrdiff_t>(i + k));
      const auto unit = piecesToLabel.find(span);
      if (unit != piecesToLabel.end()) {
        lattice.AddArc(from, Arc(unit->second, unit->second, Arc::Weight::One(), from + static_cast<Arc::StateId>(k)));
      }
    }
    lattice.AddState();
  }
  lattice.SetFinal(static_cast<Arc::StateId>(n), Arc::Weight::One());
}
