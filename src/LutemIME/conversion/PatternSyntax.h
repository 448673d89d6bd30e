#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The few pieces of Perl pattern syntax that the rule-pass shortcuts read.
// Anything outside them is reported as not understood, and the caller then
// takes no shortcut.
namespace pattern_syntax {

constexpr size_t kBad = std::u16string_view::npos;

// A punctuation character that a backslash makes literal.
bool IsEscapedLiteral(char16_t c);
bool IsQuantifier(char16_t c);

// Index just past the bracket class that opens at p[i], with its ranges in
// *ranges; kBad for a class that does not close or that is not read exactly
// (negated, a leading ']', POSIX names, escapes of letters).
size_t ReadClass(std::u16string_view p, size_t i, std::vector<std::pair<wchar_t, wchar_t>>* ranges);

// The text a pattern matches when it is nothing but literal characters, the
// syntax characters among them escaped ("\\$" is "$"); nothing for any other
// pattern, and for the empty one.
std::optional<std::wstring> LiteralText(std::u16string_view p);

// True when a Perl format string writes the same for every match that has the
// same groups: it never writes the text before or after the match ("$`",
// "$'", the Perl verbs), so it can be formatted from a match found in a
// stretch of the text. Only the forms read here are accepted.
bool FormatReadsOnlyTheMatch(std::u16string_view format);

}  // namespace pattern_syntax
