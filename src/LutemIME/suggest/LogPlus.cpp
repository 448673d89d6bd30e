#include "suggest/LogPlus.h"

#include <cmath>
#include <limits>

float LogPlus(float a, float b) {
  const float infinity = std::numeric_limits<float>::infinity();
  if (a == infinity) return b;
  if (b == infinity) return a;
  const float smaller = a < b ? a : b;
  const float difference = a < b ? b - a : a - b;
  return static_cast<float>(static_cast<double>(smaller) - std::log1p(std::exp(-static_cast<double>(difference))));
}
