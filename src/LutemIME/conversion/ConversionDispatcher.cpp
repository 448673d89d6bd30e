#include "conversion/ConversionDispatcher.h"

#include "conversion/WideToUtf8.h"

namespace {

// The bytes of non-ASCII characters (the Shift marker among them) are all
// 0x80 or above and pass unchanged.
std::string LowerAsciiLetters(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
  return text;
}

[[noreturn]] void Unavailable(const std::string& what) {
  throw ConversionUnavailable(what + " is not available in this build");
}

}  // namespace

std::string ConversionDispatcher::ConvertToUtf8(std::u16string_view keys, int layout) const {
  switch (layout) {
    case 2:
      return khipro_.Convert(LowerAsciiLetters(WideToUtf8(keys)));
    case 3:
      return avroPhonetic_.Convert(WideToUtf8(keys));
    case 4:
    case 5:
    case 6:
    case 7:
      Unavailable("layout " + std::to_string(layout) + " (fixed layout rules)");
    case 8:
      return lowercase_.Convert(LowerAsciiLetters(WideToUtf8(keys)));
    default:
      return lutemPhonetic_.Convert(WideToUtf8(keys));
  }
}

std::u16string ConversionDispatcher::Convert(std::u16string_view keys, int layout,
                                             int encoding) const {
  std::string text = ConvertToUtf8(keys, layout);
  if (encoding == 1) Unavailable("the ANSI encoding");
  return Utf8ToWide(text);
}
