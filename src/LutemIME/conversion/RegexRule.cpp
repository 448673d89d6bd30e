#include "conversion/RegexRule.h"

#include <iterator>

#include "conversion/WideUnits.h"

RegexRule::RegexRule(std::u16string_view patternText, std::u16string_view replacementText)
    : pattern(WidenUnits(patternText)),
      replacement(replacementText),
      format(WidenUnits(replacementText)),
      required(patternText) {}

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
  boost::regex_replace(std::back_inserter(out), text.data(), text.data() + text.size(), pattern, format.c_str());
}
