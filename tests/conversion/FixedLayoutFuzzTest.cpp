// Any key buffer, through every layout and both encodings, converts without a
// crash (under the sanitizers also without undefined behaviour) into text
// that keeps two properties: it is well-formed UTF-16 whenever the keys are,
// and its ANSI form holds only what the ANSI rules write (Windows-1252
// characters, the joiners kept) and what was typed, never a Bengali character the rules left
// unconverted.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "conversion/ConversionDispatcher.h"
#include "support/TestText.h"

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The index of the first unpaired surrogate, or npos.
size_t FirstUnpairedSurrogate(const std::u16string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      ++i;
    } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
      return i;
    }
  }
  return std::u16string::npos;
}

// The characters of Windows-1252, the code page legacy Bengali fonts are
// drawn through, and the two joiners, which the ANSI rules keep as they are
// (they draw nothing).
bool IsAnsiText(char16_t c) {
  if (c == 0x200C || c == 0x200D) return true;
  static const std::u16string kHigh =
      u"\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u017D"
      u"\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u017E\u0178";
  return c < 0x80 || (c >= 0xA0 && c <= 0xFF) || kHigh.find(c) != std::u16string::npos;
}

TEST(FixedLayoutFuzzTest, AnyKeysThroughEveryLayoutAndEncoding) {
  ConversionDispatcher d;
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> kind(0, 9);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> ascii(0x20, 0x7E);
  std::uniform_int_distribution<int> bengali(0x0980, 0x09FF);
  std::uniform_int_distribution<int> any(0, 0xFFFF);
  std::uniform_int_distribution<int> beyond(0x10000, 0x10FFFF);
  int failures = 0;
  for (int round = 0; round < 200 && failures < 10; ++round) {
    std::u16string keys;
    for (int n = length(rng); n > 0; --n) {
      int k = kind(rng);
      if (k == 9) {  // a character beyond the BMP, as a surrogate pair
        const int c = beyond(rng) - 0x10000;
        keys += static_cast<char16_t>(0xD800 + (c >> 10));
        keys += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        continue;
      }
      char16_t c = static_cast<char16_t>(k < 6 ? ascii(rng) : k < 8 ? bengali(rng) : any(rng));
      if (IsHighSurrogate(c) || IsLowSurrogate(c)) c = u'?';
      keys += c;
    }
    for (int layout = -1; layout <= 9; ++layout) {
      for (int encoding : {0, 1}) {
        const std::u16string out = d.Convert(keys, layout, encoding);
        std::string problem;
        if (FirstUnpairedSurrogate(out) != std::u16string::npos) problem = "an unpaired surrogate";
        if (encoding == 1)
          for (char16_t c : out)
            if (!IsAnsiText(c) && keys.find(c) == std::u16string::npos) {
              char unit[48];
              std::snprintf(unit, sizeof unit, "U+%04X, neither ANSI nor typed",
                            static_cast<unsigned>(c));
              problem = unit;
              break;
            }
        if (!problem.empty() && ++failures <= 10)
          ADD_FAILURE() << "layout " << layout << ", encoding " << encoding << ": " << problem
                        << "\n keys " << Hex(keys) << "\n out  " << Hex(out);
      }
    }
  }
}

}  // namespace
