#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <fst/symbol-table.h>
#include <fst/vector-fst.h>

// Builds language-model files: a lexicon of words (key units to an output
// symbol, with a weight) as a trie from the start state to one final
// word-end state, plus any arcs written by hand, over two symbol tables that
// hold 0 "<eps>", 1 the separator and 2 "<unk>" before the units.
class LanguageModelBuilder {
 public:
  using StateId = fst::StdArc::StateId;
  static constexpr StateId kStart = 0;
  static constexpr StateId kWordEnd = 1;

  // withSeparatorSymbol false leaves key 1 out of both tables.
  explicit LanguageModelBuilder(const std::string& separator = "+", bool withSeparatorSymbol = true);

  const std::string& separator() const { return separator_; }

  // The label of text, added when new; a text made of pieces joined by the
  // separator gets its pieces added first.
  int32_t InputLabel(const std::string& text) { return Label(inputSymbols_, text); }
  int32_t OutputLabel(const std::string& text) { return Label(outputSymbols_, text); }
  fst::SymbolTable& inputSymbols() { return inputSymbols_; }
  fst::SymbolTable& outputSymbols() { return outputSymbols_; }

  // A word: its key units in order (a unit of several keys written with the
  // separator), its output text and its weight (lower is better). The last
  // arc carries the output and the weight; a word without units is one
  // epsilon-input arc.
  void AddWord(const std::vector<std::string>& units, const std::string& output, float weight);

  StateId AddState() { return fst_.AddState(); }
  void AddArc(StateId from, StateId to, int32_t inputLabel, int32_t outputLabel, float weight);
  void SetFinal(StateId state, float weight) { fst_.SetFinal(state, weight); }

  // Makes the model the minimal transducer with the same weighted paths: the
  // label pairs encoded as one label, determinised and minimised (which shares
  // prefixes and suffixes and pushes the weights towards the start), then
  // decoded and sorted by input label. Add no word after it.
  void Compact();
  const fst::VectorFst<fst::StdArc>& fst() const { return fst_; }

  // A model without one of its tables, which the loader must refuse.
  void DropInputSymbols() { keepInputSymbols_ = false; }
  void DropOutputSymbols() { keepOutputSymbols_ = false; }

  fst::VectorFst<fst::StdArc> Fst() const;
  // The model in the library's binary form: the plaintext of a model file.
  std::string Plaintext() const;
  // The enciphered model file.
  std::string ModelFile() const;

 private:
  int32_t Label(fst::SymbolTable& table, const std::string& text);

  std::string separator_;
  fst::SymbolTable inputSymbols_;
  fst::SymbolTable outputSymbols_;
  bool keepInputSymbols_ = true;
  bool keepOutputSymbols_ = true;
  fst::VectorFst<fst::StdArc> fst_;
  std::map<std::pair<StateId, int32_t>, StateId> trie_;
};

// Splits written keys into units: every character is a unit, except that
// "(kh)" is the one unit "k" separator "h".
std::vector<std::string> KeyUnits(const std::string& keys, const std::string& separator);

// Writes bytes to path; false with a message on failure.
bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string* error);
