// Every string of up to four letters typed in a phonetic layout converts to
// text a Bengali font can shape: no vowel sign or hasanta stands right after
// a hasanta, a vowel sign or an independent vowel (where it would show on a
// dotted circle). Khipro's explicit sign keys f, q and x are left out: they
// write the sign the user asked for wherever it is typed.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "conversion/ConversionDispatcher.h"
#include "support/TestText.h"

namespace {

constexpr char16_t kHasanta = 0x09CD;

bool IsVowelSign(char16_t c) {
  return (c >= 0x09BE && c <= 0x09CC) || c == 0x09D7 || c == 0x09E2 || c == 0x09E3;
}

bool IsIndependentVowel(char16_t c) {
  return (c >= 0x0985 && c <= 0x0994) || c == 0x09E0 || c == 0x09E1;
}

// The ya-phola on অ and এ (অ্যা, the usual spelling of the "a" in "apple").
bool IsYaPholaOnVowel(const std::u16string& text, size_t i) {
  return (text[i - 1] == 0x0985 || text[i - 1] == 0x098F) && text[i] == kHasanta &&
         i + 1 < text.size() && text[i + 1] == 0x09AF;
}

// The position of the first malformed sign in text, or npos.
size_t FirstMalformed(const std::u16string& text) {
  for (size_t i = 1; i < text.size(); ++i) {
    const char16_t c = text[i];
    const char16_t before = text[i - 1];
    if (!IsVowelSign(c) && c != kHasanta) continue;
    if (before != kHasanta && !IsVowelSign(before) && !IsIndependentVowel(before)) continue;
    if (IsYaPholaOnVowel(text, i)) continue;
    return i;
  }
  return std::u16string::npos;
}

TEST(WellFormedSequence, DetectorFlagsSignsAfterSignsAndAllowsYaPhola) {
  struct Case {
    std::u16string text;
    bool malformed;
  };
  const std::vector<Case> cases = {
      {u"\u09B0\u09CD\u09BE", true},              // reph's hasanta, then া
      {u"\u0995\u09BF\u09BF", true},              // two vowel signs
      {u"\u0986\u09BF", true},                    // sign on an independent vowel
      {u"\u0995\u09CD\u09CD", true},              // two hasantas
      {u"\u0985\u09CD\u09AF\u09BE", false},       // অ্যা
      {u"\u098F\u09CD\u09AF", false},             // এ্য
      {u"\u0986\u09CD\u09AF", true},              // only অ and এ take it
      {u"\u0985\u09CD", true},                    // a hasanta with no য after it
      {u"\u0995\u09CD\u09B0\u09BE", false},       // ক্রা
      {u"\u0986\u09AE\u09BF", false},             // আমি
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.malformed, FirstMalformed(c.text) != std::u16string::npos) << Hex(c.text);
}

TEST(WellFormedSequence, EveryShortLetterStringInThePhoneticLayouts) {
  std::u16string letters;
  for (char16_t c = u'a'; c <= u'z'; ++c)
    if (c != u'f' && c != u'q' && c != u'x') letters += c;

  ConversionDispatcher dispatcher;
  for (int layout : {1, 2, 3, 8}) {
    int failures = 0;
    std::u16string keys;
    // Every string of one to four letters, by counting in base 23.
    std::vector<size_t> digits;
    for (size_t length = 1; length <= 4 && failures < 10; ++length) {
      digits.assign(length, 0);
      for (;;) {
        keys.clear();
        for (size_t d : digits) keys += letters[d];
        const std::u16string out = dispatcher.Convert(keys, layout, 0);
        const size_t at = FirstMalformed(out);
        if (at != std::u16string::npos && ++failures <= 10)
          ADD_FAILURE() << "layout " << layout << ": "
                        << std::string(keys.begin(), keys.end()) << " gives " << Hex(out)
                        << ", malformed at unit " << at;
        size_t i = 0;
        while (i < length && ++digits[i] == letters.size()) digits[i++] = 0;
        if (i == length) break;
      }
    }
  }
}

}  // namespace
