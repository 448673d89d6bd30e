#include "suggest/LabelSequenceHash.h"

uint64_t LabelSequenceHash64(const LabelList& labels) {
  uint64_t seed = 0;
  for (int32_t label : labels) {
    const uint32_t bits = static_cast<uint32_t>(label);
    uint64_t h = 0xcbf29ce484222325ULL;
    for (int shift = 0; shift < 32; shift += 8) {
      h ^= (bits >> shift) & 0xffU;
      h *= 0x100000001b3ULL;
    }
    seed ^= h + 0x9e3779b9ULL + (seed << 6) + (seed >> 2);
  }
  return seed;
}
