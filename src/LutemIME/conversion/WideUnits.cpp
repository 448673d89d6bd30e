#include "conversion/WideUnits.h"

std::wstring WidenUnits(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

std::u16string NarrowUnits(std::wstring_view text) {
  // Every unit came from UTF-16 text or from a rule's UTF-16 replacement, so
  // it fits; the conversion only drops zero bits.
  return std::u16string(text.begin(), text.end());
}
