#pragma once

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

}  // namespace pattern_syntax
