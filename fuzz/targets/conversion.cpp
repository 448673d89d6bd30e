// Any key buffer, in every layout number (the eight, and numbers that act as
// 1) and every encoding, converts without a crash or undefined behaviour, and
// the text stays well formed: well-formed UTF-16 in gives well-formed UTF-16
// out, and in the table-driven phonetic layouts (1, 3, 8) letters alone never
// give a hasanta or a second vowel sign behind a vowel sign.
//
// Input: one byte choosing layout, encoding and how the keys are read (UTF-8
// text, or raw UTF-16 units for anything a key buffer can hold), then the keys.
#include <cstdint>
#include <exception>
#include <string>

#include "FuzzInput.h"
#include "WellFormedUtf16.h"
#include "conversion/ConversionDispatcher.h"
#include "conversion/WideToUtf8.h"

namespace {

bool IsVowelSign(char16_t u) {
  return (u >= 0x09BE && u <= 0x09C4) || u == 0x09C7 || u == 0x09C8 || u == 0x09CB ||
         u == 0x09CC || u == 0x09D7 || u == 0x09E2 || u == 0x09E3;
}

// Letters, blanks and (layout 8) the Shift marker: what typing words gives,
// with none of the keys that write a sign on purpose (",," the hasanta,
// "a`" a vowel sign alone).
bool OnlyLetters(std::u16string_view keys) {
  for (char16_t u : keys)
    if (!((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || u == u' ' || u == 0xF8FE))
      return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ConversionDispatcher dispatcher;
  static const int kLayouts[] = {1, 2, 3, 4, 5, 6, 7, 8, 0, 9, -1, 1000};
  FuzzInput in(data, size);
  const uint8_t choice = in.TakeByte();
  const int layout = kLayouts[(choice & 0x0F) % (sizeof kLayouts / sizeof kLayouts[0])];
  const int encoding = (choice >> 4) & 3;  // 1 is ANSI, anything else Unicode
  const std::u16string keys =
      (choice & 0x80) != 0 ? in.RestAsUnits() : Utf8ToWide(in.Rest());

  std::u16string out;
  try {
    out = dispatcher.Convert(keys, layout, encoding);
  } catch (const std::exception&) {
    return 0;  // the engine gives the keys back as typed; nothing to check
  }
  if (IsWellFormedUtf16(keys)) FUZZ_CHECK(IsWellFormedUtf16(out));
  const bool tableDriven = layout == 1 || layout == 3 || layout == 8 || layout < 2 || layout > 8;
  if (tableDriven && encoding != 1 && OnlyLetters(keys)) {
    for (size_t i = 0; i + 1 < out.size(); ++i)
      FUZZ_CHECK(!(IsVowelSign(out[i]) && (IsVowelSign(out[i + 1]) || out[i + 1] == 0x09CD)));
  }
  return 0;
}
