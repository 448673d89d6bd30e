#include "conversion/PatternSyntax.h"

namespace pattern_syntax {

bool IsEscapedLiteral(char16_t c) {
  // Only the syntax characters: Boost gives "\<", "\>", "\`" and "\'" their
  // own meanings, and letters and digits stand for classes and references.
  return std::u16string_view(u"$^|\\+-.[]{}()*?/").find(c) != kBad;
}

bool IsQuantifier(char16_t c) { return c == u'?' || c == u'*' || c == u'+' || c == u'{'; }

size_t ReadClass(std::u16string_view p, size_t i, std::vector<std::pair<wchar_t, wchar_t>>* ranges) {
  ranges->clear();
  size_t j = i + 1;
  if (j >= p.size() || p[j] == u'^' || p[j] == u']') return kBad;
  auto unit = [&](char16_t* out) {
    if (p[j] == u'\\') {
      if (j + 1 >= p.size() || !IsEscapedLiteral(p[j + 1])) return false;
      *out = p[j + 1];
      j += 2;
      return true;
    }
    if (p[j] == u'[' && j + 1 < p.size() && (p[j + 1] == u':' || p[j + 1] == u'=' || p[j + 1] == u'.'))
      return false;
    *out = p[j++];
    return true;
  };
  while (j < p.size() && p[j] != u']') {
    char16_t low;
    if (!unit(&low)) return kBad;
    char16_t high = low;
    if (j + 1 < p.size() && p[j] == u'-' && p[j + 1] != u']') {
      ++j;
      if (!unit(&high)) return kBad;
    }
    if (high < low) return kBad;
    ranges->emplace_back(static_cast<wchar_t>(low), static_cast<wchar_t>(high));
  }
  if (j >= p.size()) return kBad;
  return j + 1;
}

std::optional<std::wstring> LiteralText(std::u16string_view p) {
  std::wstring text;
  for (size_t i = 0; i < p.size(); ++i) {
    char16_t c = p[i];
    if (c == u'\\') {
      if (i + 1 >= p.size() || !IsEscapedLiteral(p[i + 1])) return std::nullopt;
      c = p[++i];
    } else if (std::u16string_view(u".[]{}()*+?|^$#").find(c) != kBad) {
      // '#' too: it starts a comment where free spacing is on.
      return std::nullopt;
    }
    text += static_cast<wchar_t>(c);
  }
  if (text.empty()) return std::nullopt;
  return text;
}

bool FormatReadsOnlyTheMatch(std::u16string_view format) {
  auto digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == u'\\') {
      ++i;  // an escape writes a character, a case change or a group
      continue;
    }
    if (format[i] != u'$' || i + 1 >= format.size()) continue;
    const char16_t next = format[i + 1];
    if (digit(next) || next == u'&' || next == u'$') {
      ++i;
      continue;
    }
    if (next != u'{') return false;
    size_t j = i + 2;
    while (j < format.size() && digit(format[j])) ++j;
    if (j == i + 2 || j >= format.size() || format[j] != u'}') return false;
    i = j;
  }
  return true;
}

}  // namespace pattern_syntax
