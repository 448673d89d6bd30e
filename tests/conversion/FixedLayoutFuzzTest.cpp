// Any key buffer, through every layout and both encodings, converts without a
// crash; run under the sanitizers this also checks for undefined behaviour.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "conversion/ConversionDispatcher.h"

namespace {

TEST(FixedLayoutFuzzTest, AnyKeysThroughEveryLayoutAndEncoding) {
  ConversionDispatcher d;
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> kind(0, 9);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> ascii(0x20, 0x7E);
  std::uniform_int_distribution<int> bengali(0x0980, 0x09FF);
  std::uniform_int_distribution<int> any(0, 0xFFFF);
  for (int round = 0; round < 200; ++round) {
    std::u16string keys;
    for (int n = length(rng); n > 0; --n) {
      int k = kind(rng);
      keys += static_cast<char16_t>(k < 6 ? ascii(rng) : k < 8 ? bengali(rng) : any(rng));
    }
    for (int layout = -1; layout <= 9; ++layout)
      for (int encoding : {0, 1}) d.Convert(keys, layout, encoding);
  }
}

}  // namespace
