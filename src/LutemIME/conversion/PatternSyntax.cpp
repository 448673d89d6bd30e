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

}  // namespace pattern_syntax
