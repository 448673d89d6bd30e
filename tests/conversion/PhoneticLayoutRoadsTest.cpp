// The dispatcher's roads for layouts 2 (Khipro) and 8 (Lowercase): A-Z are
// lowered on the UTF-8 bytes and the Shift marker passes through.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "conversion/ConversionDispatcher.h"

namespace {

const ConversionDispatcher& Dispatcher() {
  static const ConversionDispatcher d;
  return d;
}

std::u16string Convert(std::u16string_view keys, int layout) {
  return Dispatcher().Convert(keys, layout, 0);
}

TEST(PhoneticLayoutRoads, KhiproSeesLoweredKeys) {
  EXPECT_EQ(Convert(u"ka", 2), Convert(u"KA", 2));
  EXPECT_EQ(u"\u0995\u09BE", Convert(u"KA", 2));
  EXPECT_EQ(u"\u0986\u09AE\u09BF", Convert(u"AmI", 2));
  EXPECT_EQ(u"", Convert(u"", 2));
  EXPECT_EQ(u"\u0995#\u00E9", Convert(u"k#\u00E9", 2));
}

TEST(PhoneticLayoutRoads, LowercaseSeesTheMarkerAndLoweredLetters) {
  EXPECT_EQ(u"", Convert(u"", 8));
  EXPECT_EQ(u"\u099F", Convert(u"\uF8FEt", 8));
  EXPECT_EQ(u"\u099F", Convert(u"\uF8FET", 8));  // Shift held: the letter arrives capital
  EXPECT_EQ(u"\u09A4", Convert(u"T", 8));        // a capital alone is the small letter
  EXPECT_EQ(u"\u0995\u09BE", Convert(u"k\uF8FEA", 8));
  EXPECT_EQ(u"!", Convert(u"\uF8FE1", 8));
  EXPECT_EQ(u"\u09F3", Convert(u"\uF8FE$", 8));
  EXPECT_EQ(u"", Convert(u"\uF8FE\uF8FE\uF8FE", 8));
}

// Whatever the key buffer holds converts without a crash or undefined
// behaviour; the sanitizer build runs this.
TEST(PhoneticLayoutRoads, AnyInputConverts) {
  std::mt19937 rng(11);
  const std::u16string alphabet =
      u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789`~!@#$%^&*()-_=+[]{};:'\","
      u".<>/?\\| \uF8FE\uF8FE\uF8FE";
  std::u16string random;
  for (int i = 0; i < 10000; ++i) random += alphabet[rng() % alphabet.size()];
  std::u16string markerBeforeEveryKey;
  for (char16_t c = 0x20; c < 0x7F; ++c) markerBeforeEveryKey += {u'\uF8FE', c};
  const std::u16string inputs[] = {
      u"",
      std::u16string(1, u'\0'),
      std::u16string(1, u'\uF8FE'),
      std::u16string(10000, u'\uF8FE'),
      markerBeforeEveryKey,
      u"\uF8FE1\uF8FE \uF8FE\uF8FE.\uF8FE\u0995\uF8FE",
      std::u16string{u'\uF8FE', char16_t(0xD800)},
      std::u16string{char16_t(0xDC00), u'k', char16_t(0xD83D)},
      std::u16string(10000, u'k'),
      std::u16string(10000, u'r'),
      random,
  };
  for (int layout : {2, 8}) {
    for (const auto& in : inputs) {
      std::u16string out;
      ASSERT_NO_THROW(out = Convert(in, layout)) << "layout " << layout;
      if (in.empty()) {
        EXPECT_TRUE(out.empty());
      }
    }
  }
  // An invalid unit becomes U+FFFD, not a lost buffer.
  EXPECT_EQ(u"\u0995\uFFFD", Convert(std::u16string{u'k', char16_t(0xD800)}, 2));
}

}  // namespace
