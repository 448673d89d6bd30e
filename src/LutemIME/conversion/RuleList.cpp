#include "conversion/RuleList.h"

#include <exception>

#include "conversion/UnitSet.h"

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
      Step step{true, groups.size(), {}, {}, {}};
      for (const LiteralRewrite& rule : pending) {
        if (step.needsAny.find(rule.find.front()) == std::wstring::npos) step.needsAny += rule.find.front();
        step.writes += rule.write;
      }
      steps.push_back(std::move(step));
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
      Step step{false, k, std::wstring(rules[k].neededUnits()), {}, {}};
      step.writesAnything = !rules[k].WritesOnly(&step.writes);
      steps.push_back(std::move(step));
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
  // The units the text may hold: its own, and what the passes that changed it
  // may have written (a pass writes nothing else: the rest of its output is
  // units of its input).
  UnitSet present;
  present.Add(current);
  bool anything = false;
  for (const Step& step : steps_) {
    if (!anything && (!present.MayHaveAll(step.needsAll) ||
                      (!step.needsAny.empty() && !present.MayHaveAny(step.needsAny))))
      continue;
    const bool changed = step.literal ? groups_[step.index].Rewrite(current, next)
                                      : rules_[step.index].Rewrite(current, next);
    if (!changed) continue;
    current.swap(next);
    anything = anything || step.writesAnything;
    present.Add(step.writes);
  }
  return NarrowUnits(current);
}
