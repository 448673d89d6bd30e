#pragma once

#include <string_view>

// The three signs the conversion tables are built from. Constant-initialised,
// so they are ready before any static or engine constructor runs.
struct BengaliConstants {
  static constexpr std::string_view hasanta{"\xE0\xA7\x8D"};  // U+09CD
  static constexpr std::string_view zwj{"\xE2\x80\x8D"};      // U+200D
  static constexpr std::string_view zwnj{"\xE2\x80\x8C"};     // U+200C
};
