// The bounded wide formatters, with the Microsoft runtime's conversions.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "Platform.h"

namespace {

std::u16string Format(const WCHAR* format, ...) {
  WCHAR buffer[128];
  va_list args;
  va_start(args, format);
  int result = _vsnwprintf_s(buffer, 128, _TRUNCATE, format, args);
  va_end(args);
  EXPECT_GE(result, 0);
  return buffer;
}

TEST(WideFormatTest, ConversionsAsTheMicrosoftRuntimeHasThem) {
  EXPECT_EQ(Format(u"%d  Suggestion %d", 3, 3), u"3  Suggestion 3");
  // In a wide format %s is a wide string and %hs a narrow one; %S is the
  // other width.
  EXPECT_EQ(Format(u"[%s|%hs|%S|%ls]", u"wide", "narrow", "other", u"long"),
            u"[wide|narrow|other|long]");
  EXPECT_EQ(
      Format(u"%s %hs", static_cast<const WCHAR*>(nullptr), static_cast<const char*>(nullptr)),
      u"(null) (null)");
  EXPECT_EQ(Format(u"%c%hc%C", u'\u0995', 'a', 'b'), u"\u0995ab");
  EXPECT_EQ(Format(u"%5d|%-5d|%05d|%+d", 42, 42, 42, 42), u"   42|42   |00042|+42");
  EXPECT_EQ(Format(u"%x %X %#x %o %u", 255, 255, 255, 8, 4294967295u), u"ff FF 0xff 10 4294967295");
  EXPECT_EQ(Format(u"%hd %hhu", 70000, 300), u"4464 44");
  EXPECT_EQ(Format(u"%lld %I64d %zu", -5LL, 1LL << 40, static_cast<size_t>(7)),
            u"-5 1099511627776 7");
  EXPECT_EQ(Format(u"%.2f %e %g", 1.005, 1500.0, 0.5), u"1.00 1.500000e+03 0.5");
  EXPECT_EQ(Format(u"%.3s|%6.2s|%*d", u"abcdef", u"xyz", 4, 7), u"abc|    xy|   7");
  EXPECT_EQ(Format(u"100%% %q"), u"100% %q");  // an unknown conversion stands as written
}

TEST(WideFormatTest, TruncationAndBadArguments) {
  WCHAR buffer[8];
  EXPECT_EQ(_snwprintf_s(buffer, 8, _TRUNCATE, u"%s", u"abcdefghij"), -1);
  EXPECT_EQ(std::u16string(buffer), u"abcdefg");
  EXPECT_EQ(_snwprintf_s(buffer, 8, _TRUNCATE, u"%s", u"abc"), 3);
  // A count below the buffer cuts at the count.
  EXPECT_EQ(_snwprintf_s(buffer, 8, 2, u"%s", u"abc"), -1);
  EXPECT_EQ(std::u16string(buffer), u"ab");
  // Text that outgrows the buffer without _TRUNCATE leaves it empty.
  errno = 0;
  EXPECT_EQ(_snwprintf_s(buffer, 8, 20, u"%s", u"abcdefghij"), -1);
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(errno, ERANGE);
  EXPECT_EQ(_snwprintf_s(nullptr, 8, _TRUNCATE, u"x"), -1);
  EXPECT_EQ(_snwprintf_s(buffer, 0, _TRUNCATE, u"x"), -1);
}

}  // namespace
