#include "conversion/VowelEnding.h"

namespace {

bool IsVowelSignOrLetter(char32_t c) {
  return (c >= 0x0985 && c <= 0x098C) || c == 0x098F || c == 0x0990 || c == 0x0993 ||
         c == 0x0994 || c == 0x09E0 || c == 0x09E1 ||                      // independent vowels
         (c >= 0x09BE && c <= 0x09C4) || c == 0x09C7 || c == 0x09C8 || c == 0x09CB ||
         c == 0x09CC || c == 0x09D7 || c == 0x09E2 || c == 0x09E3;         // vowel signs
}

}  // namespace

bool EndsInVowel(std::string_view utf8) {
  // Every Bengali character is three bytes in UTF-8: E0 A6..A7 xx.
  if (utf8.size() < 3) return false;
  const auto* b = reinterpret_cast<const unsigned char*>(utf8.data() + utf8.size() - 3);
  if (b[0] != 0xE0 || (b[1] & 0xC0) != 0x80 || (b[2] & 0xC0) != 0x80) return false;
  const char32_t c = (char32_t{b[1]} & 0x3F) << 6 | (char32_t{b[2]} & 0x3F);
  return IsVowelSignOrLetter(c);
}
