#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conversion/LiteralRuleGroup.h"
#include "conversion/RegexRule.h"

// An ordered list of rewrite rules; each rule works on the output of all the
// rules before it. Lists are built once per process and then only read, so
// one list may be applied by several threads at once.
class RuleList {
 public:
  struct Source {
    std::u16string pattern;
    std::u16string replacement;
  };
  using SourceTable = std::vector<Source> (*)();

  // Compiles every rule of sources(), in order. A list is either complete or
  // empty: if any rule fails to compile (or memory runs out) the list keeps
  // no rule at all and failed() is true, so a half-built list can never be
  // applied. An empty list leaves every text as it is.
  static RuleList Build(SourceTable sources) noexcept;

  // Applies every rule in order to text.
  std::u16string Apply(std::u16string_view text) const;

  const std::vector<RegexRule>& rules() const { return rules_; }
  size_t size() const { return rules_.size(); }
  bool failed() const { return failed_; }
  // How many passes Apply makes: a run of literal rules that one pass can
  // apply together counts once.
  size_t passCount() const { return steps_.size(); }

 private:
  // One pass: a group of literal rules, or one rule of rules_. A pass that
  // can match only where the text holds all of needsAll, and one of needsAny
  // when that is not empty, is skipped for a text that cannot hold them.
  struct Step {
    bool literal;
    size_t index;
    std::wstring needsAll;
    std::wstring needsAny;
    // What the pass may add to the units of its text; everything when
    // writesAnything.
    std::wstring writes;
    bool writesAnything = false;
  };

  RuleList() = default;

  std::vector<RegexRule> rules_;
  std::vector<LiteralRuleGroup> groups_;
  std::vector<Step> steps_;
  bool failed_ = false;
};
