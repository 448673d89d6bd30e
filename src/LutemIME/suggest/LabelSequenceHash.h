#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using LabelList = std::vector<int32_t>;

// Hash of a label list for the piece maps and the path groups: each label's
// four little-endian bytes through 64-bit FNV-1a, folded in with the
// golden-ratio combine. The empty list hashes to 0.
uint64_t LabelSequenceHash64(const LabelList& labels);

struct LabelSequenceHash {
  size_t operator()(const LabelList& labels) const { return static_cast<size_t>(LabelSequenceHash64(labels)); }
};
