#pragma once

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "suggest/DecodedPath.h"
#include "suggest/SymbolIndex.h"

// The result of the distinct n-best search: one record per spelled output,
// and the outputs in the order the search found them.
struct DistinctPathSet {
  DistinctPathSet(const LabelPiecesMap& pieces, const std::unordered_set<int32_t>& skipped)
      : outputLabelPieces(pieces), skippedLabels(skipped) {}

  std::unordered_map<LabelList, DecodedPath, LabelSequenceHash> paths;
  std::vector<LabelList> order;
  const LabelPiecesMap& outputLabelPieces;
  const std::unordered_set<int32_t>& skippedLabels;
};
