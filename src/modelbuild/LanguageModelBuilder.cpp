#include "modelbuild/LanguageModelBuilder.h"

#include <fstream>
#include <sstream>

#include <fst/arcsort.h>
#include <fst/connect.h>
#include <fst/determinize.h>
#include <fst/encode.h>
#include <fst/minimize.h>

#include <utf8cpp/utf8.h>

#include "modelbuild/AesCipher.h"

LanguageModelBuilder::LanguageModelBuilder(const std::string& separator, bool withSeparatorSymbol)
    : separator_(separator), inputSymbols_("input"), outputSymbols_("output") {
  for (fst::SymbolTable* table : {&inputSymbols_, &outputSymbols_}) {
    table->AddSymbol("<eps>", 0);
    if (withSeparatorSymbol) table->AddSymbol(separator, 1);
    table->AddSymbol("<unk>", 2);
  }
  fst_.AddState();  // kStart
  fst_.AddState();  // kWordEnd
  fst_.SetStart(kStart);
  fst_.SetFinal(kWordEnd, fst::TropicalWeight::One());
}

int32_t LanguageModelBuilder::Label(fst::SymbolTable& table, const std::string& text) {
  const int64_t known = table.Find(text);
  if (known != fst::kNoSymbol) return static_cast<int32_t>(known);
  if (!separator_.empty() && text.find(separator_) != std::string::npos) {
    size_t pos = 0;
    while ((pos = text.find_first_not_of(separator_, pos)) != std::string::npos) {
      const size_t end = std::min(text.find_first_of(separator_, pos), text.size());
      Label(table, text.substr(pos, end - pos));
      pos = end;
    }
  }
  return static_cast<int32_t>(table.AddSymbol(text));
}

void LanguageModelBuilder::AddArc(StateId from, StateId to, int32_t inputLabel, int32_t outputLabel, float weight) {
  while (fst_.NumStates() <= std::max(from, to)) fst_.AddState();
  fst_.AddArc(from, fst::StdArc(inputLabel, outputLabel, weight, to));
}

void LanguageModelBuilder::AddWord(const std::vector<std::string>& units, const std::string& output, float weight) {
  const int32_t outputLabel = OutputLabel(output);
  if (units.empty()) {
    AddArc(kStart, kWordEnd, 0, outputLabel, weight);
    return;
  }
  StateId state = kStart;
  for (size_t i = 0; i + 1 < units.size(); ++i) {
    const int32_t label = InputLabel(units[i]);
    auto child = trie_.find({state, label});
    if (child == trie_.end()) {
      const StateId next = fst_.AddState();
      AddArc(state, next, label, 0, 0.0f);
      child = trie_.emplace(std::make_pair(state, label), next).first;
    }
    state = child->second;
  }
  AddArc(state, kWordEnd, InputLabel(units.back()), outputLabel, weight);
}

void LanguageModelBuilder::Compact() {
  fst::Connect(&fst_);
  fst::EncodeMapper<fst::StdArc> encoder(fst::kEncodeLabels, fst::ENCODE);
  fst::Encode(&fst_, &encoder);
  fst::VectorFst<fst::StdArc> compact;
  fst::Determinize(fst_, &compact);
  fst::Minimize(&compact);
  fst::Decode(&compact, encoder);
  fst::ArcSort(&compact, fst::ILabelCompare<fst::StdArc>());
  fst_ = std::move(compact);
  trie_.clear();
}

fst::VectorFst<fst::StdArc> LanguageModelBuilder::Fst() const {
  fst::VectorFst<fst::StdArc> model(fst_);
  model.SetInputSymbols(keepInputSymbols_ ? &inputSymbols_ : nullptr);
  model.SetOutputSymbols(keepOutputSymbols_ ? &outputSymbols_ : nullptr);
  return model;
}

std::string LanguageModelBuilder::Plaintext() const {
  std::ostringstream out;
  Fst().Write(out, fst::FstWriteOptions("model"));
  return out.str();
}

std::string LanguageModelBuilder::ModelFile() const { return EncipherLanguageModel(Plaintext()); }

std::vector<std::string> KeyUnits(const std::string& keys, const std::string& separator) {
  std::vector<std::string> units;
  std::string group;
  bool inGroup = false;
  for (auto it = keys.begin(); it != keys.end();) {
    const auto start = it;
    utf8::next(it, keys.end());
    const std::string character(start, it);
    if (character == "(" && !inGroup) {
      inGroup = true;
      group.clear();
    } else if (character == ")" && inGroup) {
      inGroup = false;
      units.push_back(group);
    } else if (inGroup) {
      if (!group.empty()) group += separator;
      group += character;
    } else {
      units.push_back(character);
    }
  }
  if (inGroup) units.push_back(group);
  return units;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string* error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (out) out.close();
  if (!out) {
    if (error) *error = "cannot write " + path;
    return false;
  }
  return true;
}
