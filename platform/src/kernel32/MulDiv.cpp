#include <cstdint>
#include <limits>

#include "platform/kernel32/MulDiv.h"

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  int64_t product = int64_t{number} * numerator;
  bool negative = (product < 0) != (denominator < 0);
  // Magnitudes up to 2^62 and 2^31: twice the product still fits unsigned.
  uint64_t magnitude = product < 0 ? uint64_t(0) - uint64_t(product) : uint64_t(product);
  uint64_t divisor = denominator < 0 ? uint64_t(0) - uint64_t(int64_t{denominator})
                                     : uint64_t(denominator);
  uint64_t rounded = (2 * magnitude + divisor) / (2 * divisor);
  if (negative) {
    if (rounded > uint64_t(std::numeric_limits<int>::max()) + 1) return -1;
    return static_cast<int>(-static_cast<int64_t>(rounded));
  }
  if (rounded > uint64_t(std::numeric_limits<int>::max())) return -1;
  return static_cast<int>(rounded);
}
