#include "conversion/RegexRule.h"

#include <algorithm>
#include <iterator>

#include "conversion/PatternSyntax.h"
#include "conversion/WideUnits.h"

RegexRule::RegexRule(std::u16string_view patternText, std::u16string_view replacementText)
    : pattern(WidenUnits(patternText)),
      replacement(replacementText),
      format(WidenUnits(replacementText)),
      required(patternText),
      shape(patternText) {
  const bool formatReadsOnlyTheMatch = pattern_syntax::FormatReadsOnlyTheMatch(replacementText);
  if (std::optional<std::wstring> text = pattern_syntax::LiteralText(patternText);
      text && formatReadsOnlyTheMatch && boost::regex_match(*text, pattern)) {
    // The text of the literal is its only match, so the library formats here,
    // once, what every match writes.
    literal_ = LiteralRewrite{*text, boost::regex_replace(*text, pattern, format)};
  }
  // A match found where it starts is the one a search from further left
  // finds there only if it cannot be empty; its format may read only the
  // match, as the library's match holds no more of the text.
  anchored_ = shape.bounded() && shape.minLength() > 0 && !shape.anchor().empty() &&
              formatReadsOnlyTheMatch;
  simpleFormat_ = MatchFormat::Read(replacementText);
}

std::wstring_view RegexRule::neededUnits() const {
  if (literal_) return literal_->find;
  if (anchored_) return shape.anchor();
  return required.longestRun();
}

bool RegexRule::WritesOnly(std::wstring* units) const {
  // Groups and the whole match write units of the text.
  if (literal_) *units = literal_->write;
  else if (simpleFormat_) *units = simpleFormat_->Literals();
  else return false;
  return true;
}

std::u16string RegexRule::Apply(std::u16string_view text) const {
  const std::wstring wide = WidenUnits(text);
  std::wstring out;
  return NarrowUnits(Rewrite(wide, out) ? out : wide);
}

bool RegexRule::Rewrite(const std::wstring& text, std::wstring& out) const {
  if (literal_) {
    const std::wstring& find = literal_->find;
    size_t at = text.find(find);
    if (at == std::wstring::npos) return false;
    out.clear();
    size_t done = 0;
    for (; at != std::wstring::npos; at = text.find(find, done)) {
      out.append(text, done, at - done);
      out += literal_->write;
      done = at + find.size();
    }
    out.append(text, done, std::wstring::npos);
    return true;
  }
  if (anchored_) return RewriteAtCandidates(text, out);
  // Skipping a pass that cannot match saves the regex library's set-up, which
  // costs more than the search itself on a short text.
  if (!MayMatch(text)) return false;
  out.clear();
  boost::regex_replace(std::back_inserter(out), text.begin(), text.end(), pattern, format.c_str());
  return true;
}

// A match starts at p only if the anchor run stands at p + w for one of the
// anchor's offsets w and the shape allows a match at p; every other position
// is passed over. At a candidate the library matches from p alone
// (match_continuous) over at most maxLength() units, with the text's start
// as its base so that a look-behind sees the units before p: as the shape
// has no anchors, look-ahead or repeats, that gives the match the library's
// search over the whole text finds at p. The leftmost match at or after the
// search position is the first candidate that matches, and after a match
// the search goes on from its end, as regex_replace's does.
bool RegexRule::RewriteAtCandidates(const std::wstring& text, std::wstring& out) const {
  const std::wstring_view anchor = shape.anchor();
  const std::vector<size_t>& offsets = shape.anchorOffsets();
  const size_t nearest = offsets.front();
  const size_t farthest = offsets.back();
  const size_t n = text.size();
  const auto begin = text.cbegin();
  boost::match_results<std::wstring::const_iterator> match;
  bool changed = false;
  size_t done = 0;  // text before this is written, or matched
  size_t p = 0;     // no match starts before this
  for (;;) {
    // The first occurrence that a candidate at p or after can lean on.
    const size_t r = text.find(anchor.data(), p + nearest, anchor.size());
    if (r == std::wstring::npos) break;
    if (r >= farthest) p = std::max(p, r - farthest);
    for (; p + nearest <= r; ++p) {
      if (!shape.MayMatchAt(text, p)) continue;
      const bool leans = std::any_of(offsets.begin(), offsets.end(), [&](size_t w) {
        return p + w + anchor.size() <= n &&
               text.compare(p + w, anchor.size(), anchor.data(), anchor.size()) == 0;
      });
      if (!leans) continue;
      const auto last = begin + static_cast<std::ptrdiff_t>(std::min(n, p + shape.maxLength()));
      if (!boost::regex_search(begin + static_cast<std::ptrdiff_t>(p), last, match, pattern,
                               boost::match_continuous, begin))
        continue;
      if (!changed) {
        out.clear();
        out.reserve(n + n / 2 + 16);
        changed = true;
      }
      out.append(text, done, p - done);
      if (simpleFormat_) simpleFormat_->Write(match, out);
      else match.format(std::back_inserter(out), format.c_str(), boost::format_default, pattern);
      done = static_cast<size_t>(match[0].second - begin);
      p = done - 1;  // the loop steps to done
    }
  }
  if (changed) out.append(text, done, std::wstring::npos);
  return changed;
}
