#include "conversion/RegexRule.h"

#include <algorithm>
#include <iterator>

#include "conversion/WideUnits.h"

namespace {

// Each stretch costs one set-up of the regex library; past this many, one
// pass over the whole text is cheaper.
constexpr size_t kMaxWindows = 8;

}  // namespace

RegexRule::RegexRule(std::u16string_view patternText, std::u16string_view replacementText)
    : pattern(WidenUnits(patternText)),
      replacement(replacementText),
      format(WidenUnits(replacementText)),
      required(patternText),
      shape(patternText) {
  windowed_ = shape.bounded() && shape.structured() && !required.longestRun().empty();
}

std::u16string RegexRule::Apply(std::u16string_view text) const {
  std::wstring out;
  ApplyWide(WidenUnits(text), out);
  return NarrowUnits(out);
}

void RegexRule::ApplyWide(const std::wstring& text, std::wstring& out) const {
  // Skipping a pass that cannot match saves the regex library's set-up, which
  // costs more than the search itself on a short text.
  if (!MayMatch(text)) {
    out += text;
    return;
  }
  if (windowed_ && ApplyInWindows(text, out)) return;
  Replace(text.data(), text.data() + text.size(), out);
}

void RegexRule::Replace(const wchar_t* first, const wchar_t* last, std::wstring& out) const {
  boost::regex_replace(std::back_inserter(out), first, last, pattern, format.c_str());
}

// Every match holds the run R and is at most L = maxLength() long, so a match
// holding the occurrence of R at r lies in [r + |R| - L, r + L). Outside those
// windows no match can start, even in a cut-out stretch of the text (the
// length argument does not depend on the context). A stretch is one window,
// or several that overlap, with lookBehind() units in front so that every
// look-behind inside it sees the real text; a match never depends on the text
// after it, so a stretch's matches are exactly the whole text's matches in
// it, found in the same order. Stretches whose fronts would overlap are
// merged, so each unit is written once.
bool RegexRule::ApplyInWindows(const std::wstring& text, std::wstring& out) const {
  const std::wstring_view run = required.longestRun();
  const size_t length = shape.maxLength();
  const size_t behind = shape.lookBehind();
  struct Stretch {
    size_t begin;
    size_t end;
  } stretches[kMaxWindows];
  size_t count = 0;
  for (size_t r = text.find(run); r != std::wstring::npos; r = text.find(run, r + 1)) {
    const size_t first = r + run.size() > length ? r + run.size() - length : 0;
    const size_t last = std::min(text.size(), r + length);
    const size_t begin = first > behind ? first - behind : 0;
    if (count > 0 && begin < stretches[count - 1].end) {
      stretches[count - 1].end = std::max(stretches[count - 1].end, last);
      continue;
    }
    if (count == kMaxWindows) return false;
    stretches[count++] = {begin, last};
  }
  size_t done = 0;
  for (size_t k = 0; k < count; ++k) {
    out.append(text, done, stretches[k].begin - done);
    Replace(text.data() + stretches[k].begin, text.data() + stretches[k].end, out);
    done = stretches[k].end;
  }
  out.append(text, done, std::wstring::npos);
  return true;
}
