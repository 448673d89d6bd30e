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
    std::vector<LiteralRuleGroup> groups;
    std::vector<Step> steps;
    std::vector<LiteralRewrite> pending;  // literal rules that fit together
    auto closeGroup = [&] {
      if (pending.empty()) return;
      steps.push_back({true, groups.size()});
      groups.emplace_back(std::move(pending));
      pending.clear();
    };
    for (size_t k = 0; k < rules.size(); ++k) {
      const std::optional<LiteralRewrite>& literal = rules[k].literal();
      if (literal && LiteralRuleGroup::Fits(pending, *literal)) {
        pending.push_back(*literal);
        continue;
      }
      closeGroup();
      if (literal && LiteralRuleGroup::Fits(pending, *literal)) {
        pending.push_back(*literal);
        continue;
      }
      steps.push_back({false, k});
    }
    closeGroup();
    list.rules_ = std::move(rules);
    list.groups_ = std::move(groups);
    list.steps_ = std::move(steps);
  } catch (const std::exception&) {
    list.rules_.clear();
    list.groups_.clear();
    list.steps_.clear();
    list.failed_ = true;
  }
  return list;
}

std::u16string RuleList::Apply(std::u16string_view text) const {
  if (steps_.empty()) return std::u16string(text);
  // Widening is exact, so the text stays wide from the first rule to the
  // last; a pass that matches nothing leaves it where it is.
  std::wstring current = WidenUnits(text);
  std::wstring next;
  for (const Step& step : steps_) {
    const bool changed = step.literal ? groups_[step.index].Rewrite(current, next)
                                      : rules_[step.index].Rewrite(current, next);
    if (changed) current.swap(next);
  }
  return NarrowUnits(current);
}
