// The pieces of pattern and format syntax that the rule passes read for
// themselves: which patterns are plain literals, which formats write only
// the match, and the formats split once into text and groups, which must
// write what Boost's own format writes.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>

#include <boost/regex.hpp>

#include "conversion/MatchFormat.h"
#include "conversion/PatternSyntax.h"
#include "conversion/WideUnits.h"

namespace {

TEST(MatchFormatTest, LiteralPatterns) {
  const struct {
    const char16_t* pattern;
    const wchar_t* literal;  // null: not a literal
  } cases[] = {
      {u"gf", L"gf"},
      {u"\\$", L"$"},
      {u"g\\-", L"g-"},
      {u"\\\\", L"\\"},
      {u"\\[\\[", L"[["},
      {u"\u09A1\u09BC", L"\u09A1\u09BC"},
      {u"", nullptr},
      {u"a|b", nullptr},
      {u"a.", nullptr},
      {u"^a", nullptr},
      {u"a?", nullptr},
      {u"[a]", nullptr},
      {u"(a)", nullptr},
      {u"a{2}", nullptr},
      {u"#a", nullptr},
      {u"\\d", nullptr},   // a class
      {u"\\Qa", nullptr},  // quoting
      {u"a\\", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<std::wstring> literal = pattern_syntax::LiteralText(c.pattern);
    if (c.literal == nullptr) {
      EXPECT_FALSE(literal) << (&c - cases);
    } else {
      ASSERT_TRUE(literal) << (&c - cases);
      EXPECT_EQ(*literal, c.literal);
      // The library agrees: the pattern matches exactly that text.
      EXPECT_TRUE(boost::regex_match(*literal, boost::wregex(WidenUnits(c.pattern))));
    }
  }
}

TEST(MatchFormatTest, FormatsThatReadOnlyTheMatch) {
  for (const char16_t* format : {u"", u"$1", u"\\1z", u"\u2021\\1\\2", u"$&$$", u"${12}x", u"\\\u02C6",
                                 u"a$", u"$0"})
    EXPECT_TRUE(pattern_syntax::FormatReadsOnlyTheMatch(format)) << (format[0] ? format[1] : 0);
  for (const char16_t* format : {u"$`", u"$'", u"${^PREMATCH}", u"$PREMATCH", u"$+", u"${x}", u"${1"})
    EXPECT_FALSE(pattern_syntax::FormatReadsOnlyTheMatch(format));
}

// What the split format writes is what the library writes, for every match
// of a pattern with groups that take part or not.
TEST(MatchFormatTest, WritesWhatTheLibraryWrites) {
  const boost::wregex pattern(L"(a)(b)?(c|(d))");
  const std::wstring text = L"abc ac ad abd xac";
  const char16_t* simple[] = {u"$1", u"\\1z", u"<$2|$3|$4|$5>", u"$0", u"\\2\\1", u"$12",
                              u"\u2021\\1\\2", u"plain", u""};
  for (const char16_t* format : simple) {
    const std::optional<MatchFormat> split = MatchFormat::Read(format);
    ASSERT_TRUE(split) << (&format - simple);
    const std::wstring wide = WidenUnits(format);
    for (boost::wsregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) {
      std::wstring expected;
      it->format(std::back_inserter(expected), wide.c_str(), boost::format_default, pattern);
      std::wstring got;
      split->Write(*it, got);
      EXPECT_EQ(got, expected) << (&format - simple) << " at " << it->position();
    }
  }
  // Escapes, "\0", "$&", "$" alone and three-digit groups are left to the library.
  for (const char16_t* format : {u"\\n", u"\\0", u"\\\u02C6", u"$&", u"x$", u"$123", u"${1}", u"\\U$1"})
    EXPECT_FALSE(MatchFormat::Read(format));
}

}  // namespace
