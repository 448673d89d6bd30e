#pragma once

#include <vector>

#include "suggest/LabelSequenceHash.h"

// One path of the composed transducer, or the group of every path found with
// the same spelled output (its weight then the log sum of theirs).
struct DecodedPath {
  float weight = 0.0f;              // sum of arcWeights, walk order, 32-bit
  std::vector<float> arcWeights;
  LabelList inputLabels;
  LabelList outputLabels;
  LabelList outputPieces;           // the spelling, and the group's key
};
