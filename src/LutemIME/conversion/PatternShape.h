#pragma once

#include <cstddef>
#include <string_view>

// The lengths a pattern's matches can have, for patterns built only from
// literals, bracket classes, '.', groups with alternation, optional atoms and
// fixed-width look-behinds. Such a match can be found by looking at no more
// than lookBehind() units before its start and maxLength() units from it, and
// whether it matches does not depend on where the text ends. Anything else
// (anchors, look-ahead, references, repeats, options) leaves it unbounded.
class PatternShape {
 public:
  explicit PatternShape(std::u16string_view pattern);

  bool bounded() const { return bounded_; }
  size_t maxLength() const { return maxLength_; }
  size_t lookBehind() const { return lookBehind_; }
  // Holds a group, a class or '.': more than a plain literal, whose search the
  // library already does fast.
  bool structured() const { return structured_; }

 private:
  struct Width {
    size_t min = 0;
    size_t max = 0;
  };

  bool Alternation(Width* width);
  bool Sequence(Width* width);
  bool Atom(Width* width);

  std::u16string_view p_;
  size_t i_ = 0;
  bool bounded_ = false;
  bool structured_ = false;
  size_t maxLength_ = 0;
  size_t lookBehind_ = 0;
};
