#include "conversion/VowelEnding.h"

namespace {

bool IsIndependentVowel(char32_t c) {
  return (c >= 0x0985 && c <= 0x098C) || c == 0x098F || c == 0x0990 || c == 0x0993 ||
         c == 0x0994 || c == 0x09E0 || c == 0x09E1;
}

bool IsVowelSign(char32_t c) {
  return (c >= 0x09BE && c <= 0x09C4) || c == 0x09C7 || c == 0x09C8 || c == 0x09CB ||
         c == 0x09CC || c == 0x09D7 || c == 0x09E2 || c == 0x09E3;
}

// The Bengali code point of the three bytes at b, or 0 for anything else.
// Every Bengali character is three bytes in UTF-8: E0 A6..A7 xx.
char32_t BengaliAt(std::string_view utf8, size_t at) {
  if (utf8.size() < at + 3) return 0;
  const auto* b = reinterpret_cast<const unsigned char*>(utf8.data() + at);
  if (b[0] != 0xE0 || (b[1] & 0xC0) != 0x80 || (b[2] & 0xC0) != 0x80) return 0;
  return (char32_t{b[1]} & 0x3F) << 6 | (char32_t{b[2]} & 0x3F);
}

}  // namespace

bool EndsInVowel(std::string_view utf8) {
  if (utf8.size() < 3) return false;
  const char32_t c = BengaliAt(utf8, utf8.size() - 3);
  return IsIndependentVowel(c) || IsVowelSign(c);
}

bool StartsWithVowelSign(std::string_view utf8) { return IsVowelSign(BengaliAt(utf8, 0)); }
