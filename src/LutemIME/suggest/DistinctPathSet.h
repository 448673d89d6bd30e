#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <fst/symbol-table.h>

#include "suggest/DecodedPath.h"
#include "suggest/SymbolIndex.h"

// The result of the distinct n-best search: one record per output's pieces,
// and the outputs in the order the search found them. With the output table
// given, the search counts distinct spellings towards its n (two piece lists
// may spell one word: a whole syllable, and its letter and sign); without it,
// distinct piece lists.
struct DistinctPathSet {
  DistinctPathSet(const LabelPiecesMap& pieces, const std::unordered_set<int32_t>& skipped,
                  const fst::SymbolTable* outputs = nullptr)
      : outputLabelPieces(pieces), skippedLabels(skipped), outputSymbols(outputs) {}

  std::unordered_map<LabelList, DecodedPath, LabelSequenceHash> paths;
  std::vector<LabelList> order;
  std::unordered_set<std::string> spellings;  // of the records in order
  const LabelPiecesMap& outputLabelPieces;
  const std::unordered_set<int32_t>& skippedLabels;
  const fst::SymbolTable* outputSymbols;
};
