#include "conversion/RuleList.h"

#include <exception>

#include "conversion/WideUnits.h"

RuleList RuleList::Build(SourceTable sources) noexcept {
  RuleList list;
  try {
    std::vector<Source> table = sources();
    std::vector<RegexRule> rules;
    rules.reserve(table.size());
    for (const Source& source : table) rules.emplace_back(source.pattern, source.replacement);
    list.rules_ = std::move(rules);
  } catch (const std::exception&) {
    list.rules_.clear();
    list.failed_ = true;
  }
  return list;
}

std::u16string RuleList::Apply(std::u16string_view text) const {
  if (rules_.empty()) return std::u16string(text);
  // Widening is exact, so the text stays wide from the first rule to the last.
  std::wstring current = WidenUnits(text);
  std::wstring next;
  next.reserve(current.size() * 2 + 16);
  for (const RegexRule& rule : rules_) {
    if (!rule.MayMatch(current)) continue;
    next.clear();
    rule.ApplyWide(current, next);
    current.swap(next);
  }
  return NarrowUnits(current);
}
