#include "conversion/CodePoints.h"

#include <iterator>

#include <utf8.h>

std::string Utf8FromCodePoints(std::u32string_view codePoints) {
  std::string out;
  out.reserve(codePoints.size() * 3);
  // Checked: a mistyped table code point (a surrogate, past U+10FFFF) throws
  // while the tables are built, which the table tests catch.
  for (char32_t cp : codePoints) utf8::append(static_cast<uint32_t>(cp), std::back_inserter(out));
  return out;
}
