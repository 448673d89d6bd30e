#include "RequestText.h"


namespace RequestText {

bool IsWellFormedUtf16(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
      ++i;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      return false;
    }
  }
  return true;
}

bool ParseUnsigned(std::u16string_view text, uint32_t& value) {
  if (text.empty() || text.size() > 10) return false;
  uint64_t number = 0;
  for (char16_t unit : text) {
    if (unit < u'0' || unit > u'9') return false;
    number = number * 10 + static_cast<uint64_t>(unit - u'0');
  }
  if (number > 0xFFFFFFFFull) return false;
  value = static_cast<uint32_t>(number);
  return true;
}

std::u16string FormatUnsigned(uint64_t value) {
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value != 0);
  return digits;
}

}  // namespace RequestText
