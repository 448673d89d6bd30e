#pragma once

#include <string_view>

// Whether every surrogate of text is half of a pair: what the targets
// demand of any text the system writes or hands on.
inline bool IsWellFormedUtf16(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
      ++i;
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      return false;
    }
  }
  return true;
}
