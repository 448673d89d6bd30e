#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What any match of a pattern must contain, read from the atoms that stand
// outside every group and carry no quantifier: each run of literals next to
// each other, and at least one unit of each bracket class. A text that lacks one of them
// cannot match, so the rule's pass over it would copy it unchanged and can be
// skipped. Patterns this reading does not understand (top-level alternation,
// unusual classes) get no atoms, so nothing is ever skipped for them.
class RequiredUnits {
 public:
  explicit RequiredUnits(std::u16string_view pattern);

  // False only when no match is possible in text.
  bool MayMatch(std::wstring_view text) const;

  // The longest run every match holds, empty when there is none.
  std::wstring_view longestRun() const {
    return runs_.empty() ? std::wstring_view() : std::wstring_view(runs_.front());
  }

  // How much the reading found; zero for both means every text may match.
  size_t runCount() const { return runs_.size(); }
  size_t classCount() const { return classes_.size(); }

 private:
  using Ranges = std::vector<std::pair<wchar_t, wchar_t>>;

  bool Parse(std::u16string_view p);

  std::vector<std::wstring> runs_;  // longest first
  std::vector<Ranges> classes_;
};
