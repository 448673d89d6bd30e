#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <boost/regex.hpp>

#include "conversion/LiteralRuleGroup.h"
#include "conversion/MatchFormat.h"
#include "conversion/PatternShape.h"
#include "conversion/RequiredUnits.h"

// One rewrite rule of a fixed layout or of the ANSI form: every match of
// `pattern` in a text is replaced by `replacement`, read as a Perl format
// ("$1" and "\1" write group 1; a group that did not take part writes
// nothing, so "$1" on a pattern without groups deletes the match).
struct RegexRule {
  // Compiles pattern with no flags: Perl syntax, case-sensitive, ranges by
  // code unit. Throws boost::regex_error for a pattern that does not compile.
  RegexRule(std::u16string_view patternText, std::u16string_view replacementText);

  // One pass of Boost's regex_replace with the default flags over text.
  std::u16string Apply(std::u16string_view text) const;
  // The same pass on text that is already widened. True when the pattern
  // matched: out then holds the result. False when it did not: text is the
  // result and out is unspecified.
  bool Rewrite(const std::wstring& text, std::wstring& out) const;
  // False when the pattern cannot match anywhere in text: the pass would copy
  // it unchanged.
  bool MayMatch(const std::wstring& text) const { return required.MayMatch(text); }
  // The rule as a plain find-and-replace, when its pattern is a literal and
  // its replacement writes the same for every match.
  const std::optional<LiteralRewrite>& literal() const { return literal_; }
  // Units that every match holds, all of them (empty when none is known): a
  // text that lacks one of them is left as it is.
  std::wstring_view neededUnits() const;
  // True, with the units in *units, when what the pass writes besides the
  // text's own units is only those units; false when it may write others.
  bool WritesOnly(std::wstring* units) const;

  boost::wregex pattern;
  std::u16string replacement;
  // replacement widened once, so that a pass never widens it again.
  std::wstring format;
  RequiredUnits required;
  PatternShape shape;

 private:
  // The pass that asks the library for a match only at the positions the
  // pattern's shape leaves possible.
  bool RewriteAtCandidates(const std::wstring& text, std::wstring& out) const;

  std::optional<LiteralRewrite> literal_;
  std::optional<MatchFormat> simpleFormat_;
  bool anchored_ = false;
};
