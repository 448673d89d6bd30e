#include "conversion/PatternShape.h"

#include <algorithm>

#include "conversion/PatternSyntax.h"

using pattern_syntax::IsEscapedLiteral;
using pattern_syntax::IsQuantifier;
using pattern_syntax::kBad;
using pattern_syntax::ReadClass;

namespace {

size_t Lowest(const std::bitset<PatternShape::kMaxWidth + 1>& widths) {
  for (size_t w = 0; w < widths.size(); ++w)
    if (widths[w]) return w;
  return 0;
}

size_t Highest(const std::bitset<PatternShape::kMaxWidth + 1>& widths) {
  for (size_t w = widths.size(); w-- > 0;)
    if (widths[w]) return w;
  return 0;
}

}  // namespace

PatternShape::PatternShape(std::u16string_view pattern) : p_(pattern) {
  Part whole;
  const Widths start(1);  // nothing comes before the pattern
  bounded_ = !p_.empty() && Alternation(&whole, &start) && i_ == p_.size();
  if (!bounded_) {
    runs_.clear();
    head_.clear();
    notAfter_.reset();
    return;
  }
  minLength_ = Lowest(whole.widths);
  maxLength_ = Highest(whole.widths);
  // A match that may be empty starts with anything.
  anyFirst_ = whole.anyFirst || whole.widths[0];
  first_ = std::move(whole.first);
  if (!anyFirst_) {
    tests_.emplace_back(first_);
    for (size_t k = 1; k < head_.size(); ++k) tests_.emplace_back(head_[k]);
  }
  // Longer runs are rarer in a text; of two as long, one outside the groups,
  // and then the later one (the lists put the distinctive sign last).
  const Run* best = nullptr;
  for (const Run& run : runs_) {
    if (best == nullptr || run.text.size() > best->text.size() ||
        (run.text.size() == best->text.size() && (!run.nested || best->nested)))
      best = &run;
  }
  if (best != nullptr) {
    anchor_ = best->text;
    for (size_t w = 0; w <= kMaxWidth; ++w)
      if (best->before[w]) anchorOffsets_.push_back(w);
  }
  runs_.clear();
}

bool PatternShape::Holds(const Ranges& ranges, wchar_t u) {
  for (const auto& [low, high] : ranges) {
    if (low > u) return false;  // sorted by their low ends
    if (u <= high) return true;
  }
  return false;
}

PatternShape::Units::Units(Ranges units) : ranges(std::move(units)) {
  std::sort(ranges.begin(), ranges.end());
  if (ranges.empty()) return;
  block = static_cast<unsigned long>(ranges.front().first) >> 8;
  oneBlock = true;
  for (const auto& [low, high] : ranges) {
    if (static_cast<unsigned long>(low) >> 8 != block || static_cast<unsigned long>(high) >> 8 != block) {
      oneBlock = false;
      return;
    }
    for (unsigned long u = static_cast<unsigned long>(low); u <= static_cast<unsigned long>(high); ++u)
      bits[(u & 0xFF) >> 6] |= uint64_t{1} << (u & 63);
  }
}

bool PatternShape::Units::Has(wchar_t u) const {
  if (!oneBlock) return Holds(ranges, u);
  const unsigned long unit = static_cast<unsigned long>(u);
  return unit >> 8 == block && ((bits[(unit & 0xFF) >> 6] >> (unit & 63)) & 1) != 0;
}

bool PatternShape::MayMatchAt(std::wstring_view text, size_t at) const {
  if (!bounded_) return true;
  if (at >= text.size()) return anyFirst_;
  if (notAfter_ && at > 0 && text[at - 1] == *notAfter_) return false;
  if (at + tests_.size() > text.size()) return false;
  for (size_t k = 0; k < tests_.size(); ++k)
    if (!tests_[k].Has(text[at + k])) return false;
  return true;
}

void PatternShape::Drop(const Mark& mark) {
  runs_.resize(mark.runs);
  notAfter_ = mark.notAfter;
  if (head_.size() > mark.head) {
    head_.resize(mark.head);
    headOpen_ = false;
  }
}

// A unit taken where every match passes: it extends the head while it stands
// at the one fixed distance the head has reached.
void PatternShape::Take(const Ranges& units, const Widths* before) {
  if (before == nullptr || !headOpen_) return;
  if (before->count() == 1 && (*before)[head_.size()]) {
    head_.push_back(units);
    return;
  }
  headOpen_ = false;
}

PatternShape::Widths PatternShape::Sum(const Widths& a, const Widths& b, bool* overflow) {
  Widths sum;
  for (size_t w = 0; w <= kMaxWidth; ++w) {
    if (!b[w]) continue;
    if (w > 0 && (a >> (kMaxWidth + 1 - w)).any()) *overflow = true;
    sum |= a << w;
  }
  return sum;
}

// What is found inside an alternation holds only for the branch it is in, so
// it is dropped once a second branch shows up.
bool PatternShape::Alternation(Part* part, const Widths* before) {
  const Mark mark = Here();
  if (!Sequence(part, before)) return false;
  bool branches = false;
  while (i_ < p_.size() && p_[i_] == u'|') {
    ++i_;
    branches = true;
    Part branch;
    if (!Sequence(&branch, nullptr)) return false;
    part->widths |= branch.widths;
    part->first.insert(part->first.end(), branch.first.begin(), branch.first.end());
    part->anyFirst = part->anyFirst || branch.anyFirst;
  }
  if (branches) {
    Drop(mark);
    headOpen_ = false;
  }
  return true;
}

// before: the widths the pattern can match in front of this sequence, when
// every match passes through it; null inside alternatives and optional atoms.
bool PatternShape::Sequence(Part* part, const Widths* before) {
  *part = {};
  part->widths = Widths(1);
  std::wstring run;
  Widths runBefore;
  auto flush = [&] {
    if (!run.empty()) runs_.push_back({run, runBefore, depth_ > 0});
    run.clear();
  };
  bool overflow = false;
  while (i_ < p_.size() && p_[i_] != u'|' && p_[i_] != u')') {
    Widths atBefore;
    if (before != nullptr) atBefore = Sum(*before, part->widths, &overflow);
    const Mark mark = Here();
    Part atom;
    bool literal = false;
    wchar_t unit = 0;
    if (!Atom(&atom, before != nullptr ? &atBefore : nullptr, &literal, &unit)) return false;
    bool optional = false;
    if (i_ < p_.size() && p_[i_] == u'?') {
      ++i_;
      optional = true;
      atom.widths.set(0);
      Drop(mark);
      if (before != nullptr) headOpen_ = false;
    }
    // Repeats, and lazy or possessive forms, are not read.
    if (i_ < p_.size() && IsQuantifier(p_[i_])) return false;
    // The atom can start the match only while all before it can be empty.
    if (part->widths[0]) {
      part->first.insert(part->first.end(), atom.first.begin(), atom.first.end());
      part->anyFirst = part->anyFirst || atom.anyFirst;
    }
    if (literal && !optional && before != nullptr) {
      if (run.empty()) runBefore = atBefore;
      run += unit;
    } else {
      flush();
    }
    part->widths = Sum(part->widths, atom.widths, &overflow);
    if (overflow) return false;
  }
  flush();
  return true;
}

bool PatternShape::Atom(Part* part, const Widths* before, bool* literal, wchar_t* unit) {
  const char16_t c = p_[i_];
  part->widths = Widths(2);  // one unit
  if (c == u'(') {
    structured_ = true;
    std::u16string_view rest = p_.substr(i_);
    const bool negative = rest.rfind(u"(?<!", 0) == 0;
    const bool lookBehind = negative || rest.rfind(u"(?<=", 0) == 0;
    if (lookBehind) i_ += 4;
    else if (rest.rfind(u"(?:", 0) == 0) i_ += 3;
    else if (rest.rfind(u"(?", 0) == 0) return false;  // look-ahead, options, names
    else i_ += 1;
    const size_t innerStart = i_;
    Part inner;
    ++depth_;
    const bool read = Alternation(&inner, lookBehind ? nullptr : before);
    --depth_;
    if (!read || i_ >= p_.size() || p_[i_] != u')') return false;
    ++i_;
    if (lookBehind) {
      const size_t width = Lowest(inner.widths);
      if (width != Highest(inner.widths)) return false;
      lookBehind_ = std::max(lookBehind_, width);
      part->widths = Widths(1);  // takes no unit
      // Where nothing of the match comes before it, "(?<!x)" says what the
      // unit before the match is not.
      const std::optional<std::wstring> unit =
          pattern_syntax::LiteralText(p_.substr(innerStart, i_ - 1 - innerStart));
      if (negative && before != nullptr && *before == Widths(1) && unit && unit->size() == 1)
        notAfter_ = unit->front();
      return true;
    }
    *part = std::move(inner);
    return true;
  }
  if (c == u'[') {
    structured_ = true;
    i_ = ReadClass(p_, i_, &part->first);
    if (i_ == kBad) return false;
    Take(part->first, before);
    return true;
  }
  if (c == u'\\') {
    if (i_ + 1 >= p_.size() || !IsEscapedLiteral(p_[i_ + 1])) return false;
    *literal = true;
    *unit = static_cast<wchar_t>(p_[i_ + 1]);
    part->first = {{*unit, *unit}};
    Take(part->first, before);
    i_ += 2;
    return true;
  }
  if (c == u'^' || c == u'$' || c == u')' || IsQuantifier(c)) return false;
  ++i_;
  if (c == u'.') {
    structured_ = true;
    part->anyFirst = true;
    if (before != nullptr) headOpen_ = false;
    return true;
  }
  *literal = true;
  *unit = static_cast<wchar_t>(c);
  part->first = {{*unit, *unit}};
  Take(part->first, before);
  return true;
}
