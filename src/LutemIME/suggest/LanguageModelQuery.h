#pragma once

#include <string>
#include <vector>

#include <fst/mutable-fst.h>
#include <fst/symbol-table.h>

#include "suggest/SymbolIndex.h"

// The decoder's front end: which queries are decoded, what is stripped from
// them, and the input lattice that holds every reading of the keys as a
// string of the model's input units.

// Queries longer than this many bytes are never decoded.
constexpr size_t kMaxLanguageModelQueryBytes = 19;

// True when the query is to be decoded: shorter than 20 bytes, no byte six or
// more times in a row (the ECMAScript search "(.)\1{5,}"), and the model ready.
// Tested on the query as typed, before anything is stripped. The caller
// passes whether it has seen the model's load state Ready.
bool PassesLanguageModelQueryGate(const std::string& query, bool modelReady);

// The query without the 25 ASCII punctuation bytes the model never reads.
std::string PrepareLanguageModelQuery(const std::string& query);

// One string per code point, up to the first NUL. Invalid UTF-8 throws the
// utf8-cpp exception.
std::vector<std::string> SplitUtf8IntoCharacters(const std::string& text);

// The input label of each character; a character the table does not know is
// reported on standard error and left out.
LabelList MapCharactersToInputLabels(const std::string& prepared, const fst::SymbolTable& inputSymbols);

// Fills the empty lattice: a chain of one arc per label, plus an arc over
// every run of up to spanLimit labels that is the piece list of a unit.
void BuildInputLattice(const LabelList& labels, fst::MutableFst<fst::StdArc>& lattice, int32_t spanLimit,
                       const PiecesLabelMap& piecesToLabel);
