#include <gtest/gtest.h>

#include <string>

#include "Platform.h"

namespace {

std::string ToUtf8(const std::u16string& in, int length) {
  int size = WideCharToMultiByte(CP_UTF8, 0, in.c_str(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) {
    EXPECT_EQ(size, WideCharToMultiByte(CP_UTF8, 0, in.c_str(), length, out.data(), size,
                                        nullptr, nullptr));
  }
  return out;
}

std::u16string ToUtf16(const std::string& in, int length) {
  int size = MultiByteToWideChar(CP_UTF8, 0, in.c_str(), length, nullptr, 0);
  std::u16string out(static_cast<size_t>(size > 0 ? size : 0), u'\0');
  if (size > 0) {
    EXPECT_EQ(size, MultiByteToWideChar(CP_UTF8, 0, in.c_str(), length, out.data(), size));
  }
  return out;
}

TEST(WideCharToMultiByte, ConvertsWithSizeQueryAndNulCountingLength) {
  std::u16string bn = u"\u0986\u09AE\u09BF";  // আমি
  EXPECT_EQ(9, WideCharToMultiByte(CP_UTF8, 0, bn.c_str(), 3, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ("\xE0\xA6\x86\xE0\xA6\xAE\xE0\xA6\xBF", ToUtf8(bn, 3));
  // -1 takes the text up to its NUL and converts the NUL too.
  EXPECT_EQ(10, WideCharToMultiByte(CP_UTF8, 0, bn.c_str(), -1, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(std::string("\xE0\xA6\x86\xE0\xA6\xAE\xE0\xA6\xBF", 10), ToUtf8(bn, -1));
  // A pair becomes one four-byte character.
  EXPECT_EQ("\xF0\x9F\x98\x80", ToUtf8(u"\U0001F600", 2));
}

TEST(WideCharToMultiByte, LoneSurrogatesBecomeReplacementCharacter) {
  struct Case {
    std::u16string in;
    std::string out;
  } cases[] = {
      {std::u16string(1, char16_t(0xD800)), "\xEF\xBF\xBD"},
      {std::u16string(1, char16_t(0xDC00)), "\xEF\xBF\xBD"},
      {std::u16string{char16_t(0xD800), u'a'}, "\xEF\xBF\xBD" "a"},
      {std::u16string{char16_t(0xDC00), char16_t(0xD800)}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.out, ToUtf8(c.in, static_cast<int>(c.in.size())));
}

TEST(WideCharToMultiByte, RejectsBadArgumentsAndShortBuffers) {
  char buf[2];
  SetLastError(0);
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, u"abc", 0, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, nullptr, 3, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, u"abc", 3, buf, 2, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  BOOL used = FALSE;
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, u"abc", 3, nullptr, 0, nullptr, &used));
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 1, u"abc", 3, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_FLAGS), GetLastError());
  EXPECT_EQ(0, WideCharToMultiByte(1252, 0, u"abc", 3, nullptr, 0, nullptr, nullptr));
}

TEST(MultiByteToWideChar, DecodesAndCountsNul) {
  std::string bn = "\xE0\xA6\x95";  // ক
  EXPECT_EQ(u"\u0995", ToUtf16(bn, 3));
  EXPECT_EQ(std::u16string(u"\u0995\0", 2), ToUtf16(bn, -1));
  EXPECT_EQ(u"\U0001F600", ToUtf16("\xF0\x9F\x98\x80", 4));
}

TEST(MultiByteToWideChar, InvalidUtf8BecomesReplacementPerMaximalSubpart) {
  const std::u16string R(1, char16_t(0xFFFD));
  struct Case {
    std::string in;
    std::u16string out;
  } cases[] = {
      {"\x80", R},                          // lone continuation byte
      {"\xC0\xAF", R + R},                  // overlong: neither byte can start a character
      {"\xE0\xA6", R},                      // truncated three-byte character
      {"\xE0\xA6" "a", R + u"a"},           // truncated, then ASCII survives
      {"\xED\xA0\x80", R + R + R},          // encoded surrogate
      {"\xF4\x90\x80\x80", R + R + R + R},  // above U+10FFFF
      {"\xFF", R},
  };
  for (const auto& c : cases) EXPECT_EQ(c.out, ToUtf16(c.in, static_cast<int>(c.in.size())));
}

TEST(MultiByteToWideChar, RejectsBadArguments) {
  char16_t buf[1];
  EXPECT_EQ(0, MultiByteToWideChar(CP_UTF8, 0, "abc", 0, nullptr, 0));
  EXPECT_EQ(0, MultiByteToWideChar(CP_UTF8, 0, "abc", 3, buf, 1));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_EQ(0, MultiByteToWideChar(CP_UTF8, 0, "abc", -2, nullptr, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

// A conversion writes into the caller's buffer as it goes: a buffer of the
// size the query gave is filled exactly, one unit less is refused, whatever
// the mix of one- to four-byte characters and replaced surrogates.
TEST(WinString, BuffersOfTheQueriedSizeFitAndOneLessIsRefused) {
  const std::u16string texts[] = {u"ab", u"\u0995\u09BE", u"k\U0001F600\u00E9",
                                  std::u16string{u'a', char16_t(0xD800), u'\u0995'}};
  for (const std::u16string& text : texts) {
    const int units = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), units, nullptr, 0, nullptr,
                                          nullptr);
    ASSERT_GT(bytes, 0);
    std::string narrow(static_cast<size_t>(bytes) + 1, '\x7F');
    SetLastError(0);
    EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, text.c_str(), units, narrow.data(), bytes - 1,
                                     nullptr, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(bytes, WideCharToMultiByte(CP_UTF8, 0, text.c_str(), units, narrow.data(), bytes,
                                         nullptr, nullptr));
    EXPECT_EQ('\x7F', narrow[static_cast<size_t>(bytes)]);  // nothing written past the end
    narrow.resize(static_cast<size_t>(bytes));

    const int wideUnits = MultiByteToWideChar(CP_UTF8, 0, narrow.data(), bytes, nullptr, 0);
    std::u16string wide(static_cast<size_t>(wideUnits) + 1, u'\x7F');
    EXPECT_EQ(0, MultiByteToWideChar(CP_UTF8, 0, narrow.data(), bytes, wide.data(), wideUnits - 1));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(wideUnits, MultiByteToWideChar(CP_UTF8, 0, narrow.data(), bytes, wide.data(), wideUnits));
    EXPECT_EQ(u'\x7F', wide[static_cast<size_t>(wideUnits)]);
    wide.resize(static_cast<size_t>(wideUnits));
    std::u16string expected = text;
    for (char16_t& unit : expected)
      if (unit == 0xD800) unit = 0xFFFD;
    EXPECT_EQ(expected, wide);
  }
}

}  // namespace
