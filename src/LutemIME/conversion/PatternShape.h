#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The lengths a pattern's matches can have, for patterns built only from
// literals, bracket classes, '.', groups with alternation, optional atoms and
// fixed-width look-behinds. Such a match can be found by looking at no more
// than lookBehind() units before its start and maxLength() units from it, and
// whether it matches does not depend on where the text ends. Anything else
// (anchors, look-ahead, references, repeats, options) leaves it unbounded.
//
// For a bounded pattern the shape also tells where a match can start: the
// units a match can begin with, and a literal run that every match holds at
// one of a few known distances from its start (the anchor), so that a search
// need only look at the few positions those distances give from each
// occurrence of the run.
class PatternShape {
 public:
  // Matches longer than this are not read.
  static constexpr size_t kMaxWidth = 63;

  explicit PatternShape(std::u16string_view pattern);

  bool bounded() const { return bounded_; }
  size_t minLength() const { return minLength_; }
  size_t maxLength() const { return maxLength_; }
  size_t lookBehind() const { return lookBehind_; }
  // Holds a group, a class or '.': more than a plain literal, whose search the
  // library already does fast.
  bool structured() const { return structured_; }

  // The longest literal run outside every alternation and optional atom
  // (empty when there is none), and the distances from a match's start at
  // which a match can hold it, in increasing order.
  std::wstring_view anchor() const { return anchor_; }
  const std::vector<size_t>& anchorOffsets() const { return anchorOffsets_; }
  // False only when no match of a bounded pattern can start at text[at]: the
  // unit there is none a match starts with, one of the units the pattern
  // takes at a fixed distance from its start is not there, or the pattern
  // opens with a negative look-behind of one unit, as "(?<!x)" does, and that
  // unit stands before at.
  bool MayMatchAt(std::wstring_view text, size_t at) const;

 private:
  using Widths = std::bitset<kMaxWidth + 1>;
  using Ranges = std::vector<std::pair<wchar_t, wchar_t>>;
  // A literal run found where every match passes, with the widths the part of
  // the pattern before it can take.
  struct Run {
    std::wstring text;
    Widths before;
    bool nested;  // inside a group that is not the top level
  };
  struct Part {
    Widths widths;   // the lengths the part can match
    Ranges first;    // the units it can start with, when it is not empty
    bool anyFirst = false;
  };
  // What the parse has found so far, to go back to when a part turns out not
  // to be in every match (an alternation, an optional atom).
  struct Mark {
    size_t runs;
    size_t head;
    std::optional<wchar_t> notAfter;
  };

  Mark Here() const { return {runs_.size(), head_.size(), notAfter_}; }
  void Drop(const Mark& mark);
  void Take(const Ranges& units, const Widths* before);
  static bool Holds(const Ranges& ranges, wchar_t u);
  // A set of units as MayMatchAt tests it: a bitmap when all of them share
  // their high byte (the lists' sets lie within the Bengali block), else
  // ranges sorted by their low ends.
  struct Units {
    explicit Units(Ranges ranges);
    bool Has(wchar_t u) const;

    Ranges ranges;
    bool oneBlock = false;
    unsigned long block = 0;
    std::array<uint64_t, 4> bits{};
  };

  bool Alternation(Part* part, const Widths* before);
  bool Sequence(Part* part, const Widths* before);
  bool Atom(Part* part, const Widths* before, bool* literal, wchar_t* unit);
  static Widths Sum(const Widths& a, const Widths& b, bool* overflow);

  std::u16string_view p_;
  size_t i_ = 0;
  size_t depth_ = 0;
  bool bounded_ = false;
  bool structured_ = false;
  size_t minLength_ = 0;
  size_t maxLength_ = 0;
  size_t lookBehind_ = 0;
  std::vector<Run> runs_;
  std::wstring anchor_;
  std::vector<size_t> anchorOffsets_;
  Ranges first_;
  bool anyFirst_ = true;
  std::optional<wchar_t> notAfter_;
  // The units every match takes at its first head_.size() positions, one set
  // for each; it stops where a position is no longer fixed.
  std::vector<Ranges> head_;
  bool headOpen_ = true;
  // first_ and head_ as MayMatchAt reads them.
  std::vector<Units> tests_;
};
