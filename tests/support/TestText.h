#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "conversion/CodePoints.h"

// Expected texts in tests are written as code points, like the tables.
inline std::string U8(std::u32string_view codePoints) { return Utf8FromCodePoints(codePoints); }

// UTF-16 units in hexadecimal, for failure messages about invisible signs.
inline std::string Hex(const std::u16string& text) {
  std::string out;
  char unit[8];
  for (char16_t c : text) {
    std::snprintf(unit, sizeof unit, "%s%04X", out.empty() ? "" : " ", static_cast<unsigned>(c));
    out += unit;
  }
  return out;
}
