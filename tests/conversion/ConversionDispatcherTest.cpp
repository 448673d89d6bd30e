#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "conversion/AnsiEncodingRules.h"
#include "conversion/ApplyFixedLayoutRules.h"
#include "conversion/ConversionDispatcher.h"
#include "conversion/WideToUtf8.h"

namespace {

const ConversionDispatcher& Dispatcher() {
  static const ConversionDispatcher d;
  return d;
}

std::u16string Convert(std::u16string_view keys, int layout, int encoding = 0) {
  return Dispatcher().Convert(keys, layout, encoding);
}

TEST(ConversionDispatcher, EmptyBufferGivesEmptyText) {
  for (int layout : {1, 3}) EXPECT_EQ(u"", Convert(u"", layout));
}

TEST(ConversionDispatcher, LayoutNumbersOutsideTheRangeActAsLutemPhonetic) {
  for (const char16_t* keys : {u"ami bangla", u"KA", u"Tk,,", u"3.14"}) {
    std::u16string layout1 = Convert(keys, 1);
    for (int layout : {0, 9, 10, -1, INT_MAX, INT_MIN})
      EXPECT_EQ(layout1, Convert(keys, layout)) << "layout " << layout;
  }
}

TEST(ConversionDispatcher, PhoneticLayoutsSeeCapitalsAsTyped) {
  // The scheme's own case rule lowers K and keeps A: "KA" is "kA", not "ka".
  for (int layout : {1, 3}) {
    EXPECT_EQ(u"\u0995\u09BE", Convert(u"KA", layout));
    EXPECT_EQ(u"\u099F\u09BE", Convert(u"Ta", layout));
    EXPECT_EQ(u"\u09A4\u09BE", Convert(u"ta", layout));
  }
}

TEST(ConversionDispatcher, UnknownCharactersPassThrough) {
  EXPECT_EQ(u"#", Convert(u"#", 1));
  EXPECT_EQ(u"\u0995#", Convert(u"k#", 1));
  EXPECT_EQ(u"\u0995\U0001F600", Convert(u"k\U0001F600", 1));
}

TEST(ConversionDispatcher, EncodingOtherThanOneIsUnicode) {
  for (int encoding : {0, 2, -1}) EXPECT_EQ(u"\u0986\u09AE\u09BF", Convert(u"ami", 1, encoding));
}

// The fixed layouts' text goes through UTF-8 and back only where that changes
// it: a lone surrogate comes back as the conversion writes it (U+FFFD), a
// pair and everything else as it is, in both encodings.
TEST(ConversionDispatcher, FixedLayoutsGiveTheirTextThroughUtf8) {
  const std::u16string keys[] = {
      u"jgkZ sjf",
      u"j😀f",
      std::u16string{u'j', char16_t(0xD83D)},
      std::u16string{char16_t(0xDE00), u'j'},
      std::u16string{u'j', char16_t(0xDE00), char16_t(0xD83D), u'f'},
      std::u16string{char16_t(0xD83D), char16_t(0xD83D), char16_t(0xDE00)},
      std::u16string(1, u'\0'),
  };
  for (int layout = 4; layout <= 7; ++layout)
    for (const std::u16string& k : keys) {
      const std::u16string viaUtf8 = Utf8ToWide(WideToUtf8(ApplyFixedLayoutRules(k, layout)));
      EXPECT_EQ(Convert(k, layout), viaUtf8) << "layout " << layout;
      EXPECT_EQ(Convert(k, layout, 1), AnsiEncodingRules().Apply(viaUtf8)) << "layout " << layout;
    }
  EXPECT_EQ(Convert(std::u16string{u'j', char16_t(0xD83D)}, 4), u"\u0995\uFFFD");
}

// Whatever arrives in the key buffer converts without a crash: the sanitizer
// build runs this over every layout and both encodings.
TEST(ConversionDispatcher, AnyInputConverts) {
  std::u16string tenThousand;
  std::mt19937 rng(7);
  const std::u16string alphabet = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789`~!@#$%^&*()-_=+[]{};:'\",.<>/?\\| ";
  for (int i = 0; i < 10000; ++i) tenThousand += alphabet[rng() % alphabet.size()];
  std::u16string oneNul(1, u'\0');
  const std::u16string inputs[] = {
      u"",
      oneNul,
      std::u16string(1, char16_t(0xD800)),
      std::u16string(1, char16_t(0xDFFF)),
      std::u16string{u'k', char16_t(0xDC00), u'a', char16_t(0xD83D)},
      u"\u00E9\u0995\uFFFF\uF8FE\uF8FE",
      std::u16string(10000, u'k'),
      tenThousand,
  };
  for (int layout = -1; layout <= 9; ++layout) {
    for (int encoding : {0, 1}) {
      for (const auto& in : inputs) {
        std::u16string out = Convert(in, layout, encoding);
        if (in.empty()) {
          EXPECT_TRUE(out.empty());
        }
        if (in == oneNul && encoding == 0 && (layout == 1 || layout == 3)) {
          EXPECT_EQ(oneNul, out);
        }
      }
    }
  }
}

}  // namespace
