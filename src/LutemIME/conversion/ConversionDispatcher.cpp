#include "conversion/ConversionDispatcher.h"

#include "conversion/AnsiEncodingRules.h"
#include "conversion/ApplyFixedLayoutRules.h"
#include "conversion/WideToUtf8.h"

namespace {

// The bytes of non-ASCII characters (the Shift marker among them) are all
// 0x80 or above and pass unchanged.
std::string LowerAsciiLetters(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
  return text;
}

}  // namespace

std::string ConversionDispatcher::ConvertToUtf8(std::u16string_view keys, int layout) const {
  switch (layout) {
    case 2:
      return khipro_.Convert(LowerAsciiLetters(WideToUtf8(keys)));
    case 3:
      return avroPhonetic_.Convert(WideToUtf8(keys));
    case 8:
      return lowercase_.Convert(LowerAsciiLetters(WideToUtf8(keys)));
    default:
      return lutemPhonetic_.Convert(WideToUtf8(keys));
  }
}

// The fixed layouts convert in UTF-16. Their result goes through UTF-8 and
// back only where that changes it; the copy costs more than the rules on a
// long text.
std::u16string ConversionDispatcher::ConvertToWide(std::u16string_view keys, int layout) const {
  if (layout < 4 || layout > 7) return Utf8ToWide(ConvertToUtf8(keys, layout));
  std::u16string text = ApplyFixedLayoutRules(keys, layout);
  if (RoundTripsThroughUtf8(text)) return text;
  return Utf8ToWide(WideToUtf8(text));
}

std::u16string ConversionDispatcher::Convert(std::u16string_view keys, int layout,
                                             int encoding) const {
  std::u16string text = ConvertToWide(keys, layout);
  // Once in UTF-16 the text is well formed and no rule writes or splits a
  // surrogate, so a UTF-8 round trip between two rules would give back the
  // same units: the text stays UTF-16 for the whole list.
  if (encoding == 1) return AnsiEncodingRules().Apply(text);
  return text;
}
