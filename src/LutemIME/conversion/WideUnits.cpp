#include "conversion/WideUnits.h"

std::wstring WidenUnits(std::u16string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (char16_t unit : text) out.push_back(static_cast<wchar_t>(unit));
  return out;
}

std::u16string NarrowUnits(std::wstring_view text) {
  std::u16string out;
  out.reserve(text.size());
  // Every unit came from UTF-16 text or from a rule's UTF-16 replacement, so
  // it fits; the cast only drops zero bits.
  for (wchar_t unit : text) out.push_back(static_cast<char16_t>(unit));
  return out;
}
