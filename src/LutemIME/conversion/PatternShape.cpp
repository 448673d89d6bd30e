#include "conversion/PatternShape.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "conversion/PatternSyntax.h"

using pattern_syntax::IsEscapedLiteral;
using pattern_syntax::IsQuantifier;
using pattern_syntax::kBad;
using pattern_syntax::ReadClass;

PatternShape::PatternShape(std::u16string_view pattern) : p_(pattern) {
  Width width;
  bounded_ = !p_.empty() && Alternation(&width) && i_ == p_.size();
  if (bounded_) maxLength_ = width.max;
}

bool PatternShape::Alternation(Width* width) {
  Width branch;
  if (!Sequence(&branch)) return false;
  *width = branch;
  while (i_ < p_.size() && p_[i_] == u'|') {
    ++i_;
    if (!Sequence(&branch)) return false;
    width->min = std::min(width->min, branch.min);
    width->max = std::max(width->max, branch.max);
  }
  return true;
}

bool PatternShape::Sequence(Width* width) {
  *width = {};
  while (i_ < p_.size() && p_[i_] != u'|' && p_[i_] != u')') {
    Width atom;
    if (!Atom(&atom)) return false;
    if (i_ < p_.size() && p_[i_] == u'?') {
      ++i_;
      atom.min = 0;
    }
    // Repeats, and lazy or possessive forms, are not read.
    if (i_ < p_.size() && IsQuantifier(p_[i_])) return false;
    width->min += atom.min;
    width->max += atom.max;
  }
  return true;
}

bool PatternShape::Atom(Width* width) {
  const char16_t c = p_[i_];
  *width = {1, 1};
  if (c == u'(') {
    structured_ = true;
    std::u16string_view rest = p_.substr(i_);
    bool lookBehind = rest.rfind(u"(?<!", 0) == 0 || rest.rfind(u"(?<=", 0) == 0;
    if (lookBehind) i_ += 4;
    else if (rest.rfind(u"(?:", 0) == 0) i_ += 3;
    else if (rest.rfind(u"(?", 0) == 0) return false;  // look-ahead, options, names
    else i_ += 1;
    Width inner;
    if (!Alternation(&inner) || i_ >= p_.size() || p_[i_] != u')') return false;
    ++i_;
    if (lookBehind) {
      if (inner.min != inner.max) return false;
      lookBehind_ = std::max(lookBehind_, inner.max);
      *width = {0, 0};
    } else {
      *width = inner;
    }
    return true;
  }
  if (c == u'[') {
    structured_ = true;
    std::vector<std::pair<wchar_t, wchar_t>> ranges;
    i_ = ReadClass(p_, i_, &ranges);
    return i_ != kBad;
  }
  if (c == u'\\') {
    if (i_ + 1 >= p_.size() || !IsEscapedLiteral(p_[i_ + 1])) return false;
    i_ += 2;
    return true;
  }
  if (c == u'^' || c == u'$' || c == u')' || IsQuantifier(c)) return false;
  if (c == u'.') structured_ = true;
  ++i_;
  return true;
}
