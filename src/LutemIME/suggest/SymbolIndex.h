#pragma once

#include <cstdint>
#include <unordered_map>

#include <fst/symbol-table.h>

#include "suggest/LabelSequenceHash.h"

// A symbol table's multi-piece symbols ("k+h" with the separator "+") split
// into the labels of their pieces, both ways, so that the lattice finds units
// across characters and the words are spelled from pieces by hash look-up.
using LabelPiecesMap = std::unordered_map<int32_t, LabelList>;
using PiecesLabelMap = std::unordered_map<LabelList, int32_t, LabelSequenceHash>;

// Fills both maps from table (symbol 1's text is the separator, taken as a set
// of delimiter bytes); returns the largest number of pieces, at least 1.
int32_t BuildSymbolIndex(const fst::SymbolTable& table, LabelPiecesMap& labelToPieces,
                         PiecesLabelMap& piecesToLabel);
