#pragma once

#include <string>
#include <string_view>

#include <boost/regex.hpp>

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
  // The same pass on text that is already widened; appends the result to out.
  void ApplyWide(const std::wstring& text, std::wstring& out) const;
  // False when the pattern cannot match anywhere in text: the pass would copy
  // it unchanged.
  bool MayMatch(const std::wstring& text) const { return required.MayMatch(text); }

  boost::wregex pattern;
  std::u16string replacement;
  // replacement widened once, so that a pass never widens it again.
  std::wstring format;
  RequiredUnits required;
  PatternShape shape;

 private:
  // The pass run only over the stretches of text that can hold a match;
  // false, with nothing written, when there are too many to gain from it.
  bool ApplyInWindows(const std::wstring& text, std::wstring& out) const;
  void Replace(const wchar_t* first, const wchar_t* last, std::wstring& out) const;

  bool windowed_ = false;
};
