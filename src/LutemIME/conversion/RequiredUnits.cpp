#include "conversion/RequiredUnits.h"

#include <algorithm>

#include "conversion/PatternSyntax.h"

namespace {

using pattern_syntax::kBad;
using pattern_syntax::IsEscapedLiteral;
using pattern_syntax::IsQuantifier;
using pattern_syntax::ReadClass;

// Index just past the group that opens at p[i], or kBad.
size_t SkipGroup(std::u16string_view p, size_t i) {
  int depth = 0;
  std::vector<std::pair<wchar_t, wchar_t>> unused;
  for (size_t j = i; j < p.size();) {
    char16_t c = p[j];
    if (c == u'\\') {
      j += 2;
    } else if (c == u'[') {
      j = ReadClass(p, j, &unused);
      if (j == kBad) return kBad;
    } else {
      if (c == u'(') ++depth;
      if (c == u')' && --depth == 0) return j + 1;
      ++j;
    }
  }
  return kBad;
}

}  // namespace

RequiredUnits::RequiredUnits(std::u16string_view pattern) {
  if (!Parse(pattern)) {
    runs_.clear();
    classes_.clear();
  }
  // Longer runs are the rarer ones in a text: test them first.
  std::stable_sort(runs_.begin(), runs_.end(),
                   [](const std::wstring& a, const std::wstring& b) { return a.size() > b.size(); });
}

bool RequiredUnits::Parse(std::u16string_view p) {
  // Inline options such as (?i) or (?x) change what a literal matches.
  for (size_t at = p.find(u"(?"); at != kBad; at = p.find(u"(?", at + 1)) {
    char16_t next = at + 2 < p.size() ? p[at + 2] : u'\0';
    if (next != u':' && next != u'=' && next != u'!' && next != u'<') return false;
  }
  std::wstring run;  // literals that stand next to each other in every match
  auto flush = [&] {
    if (!run.empty()) runs_.push_back(std::move(run));
    run.clear();
  };
  for (size_t i = 0; i < p.size();) {
    char16_t c = p[i];
    Ranges atom;
    bool literal = false;
    if (c == u'|' || c == u')' || IsQuantifier(c)) return false;
    if (c == u'(') {
      i = SkipGroup(p, i);
      if (i == kBad) return false;
    } else if (c == u'^' || c == u'$') {
      ++i;  // anchors take no unit
    } else if (c == u'[') {
      i = ReadClass(p, i, &atom);
      if (i == kBad) return false;
    } else if (c == u'\\') {
      // Escaped letters and digits are classes, references or codes: not read here.
      if (i + 1 >= p.size() || !IsEscapedLiteral(p[i + 1])) return false;
      c = p[i + 1];
      literal = true;
      i += 2;
    } else {
      literal = c != u'.';
      ++i;
    }
    if (i < p.size() && IsQuantifier(p[i])) {
      // An atom that may be absent, or repeated, proves nothing.
      if (p[i] == u'{') {
        size_t close = p.find(u'}', i);
        if (close == kBad) return false;
        i = close + 1;
      } else {
        ++i;
      }
      while (i < p.size() && (p[i] == u'?' || p[i] == u'+')) ++i;
      flush();
      continue;
    }
    if (literal) {
      run += static_cast<wchar_t>(c);
      continue;
    }
    flush();
    if (!atom.empty()) classes_.push_back(std::move(atom));
  }
  flush();
  return true;
}

bool RequiredUnits::MayMatch(std::wstring_view text) const {
  for (const std::wstring& run : runs_)
    if (text.find(run) == std::wstring_view::npos) return false;
  for (const Ranges& atom : classes_) {
    bool found = std::any_of(text.begin(), text.end(), [&atom](wchar_t u) {
      for (const auto& [low, high] : atom)
        if (u >= low && u <= high) return true;
      return false;
    });
    if (!found) return false;
  }
  return true;
}
