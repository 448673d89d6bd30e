#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A rule whose pattern is a plain literal and whose replacement writes the
// same text for every match: its pass is a find-and-replace-all (leftmost,
// non-overlapping), exactly what the regex library's pass gives.
struct LiteralRewrite {
  std::wstring find;
  std::wstring write;
};

// Consecutive literal rules of a list applied in one pass over the text: at
// each position the first rule of the group whose text starts there is
// replaced, and the pass goes on after it. Rules are grouped only where that
// one pass gives exactly what the rules applied one after another give, which
// Fits() decides for each rule joining the group.
class LiteralRuleGroup {
 public:
  // True when rule, coming after every rule of group, may join it. For each
  // earlier rule E of the group the later rule L must never take a match
  // away from E, nor find one that E's pass made:
  // - L never overlaps an occurrence of E that starts after L does (the one
  //   pass would take L there, while E's own pass comes first and takes E);
  // - no unit of L's text is written by E (E's output is never searched
  //   again in the one pass);
  // - when E deletes its matches, L is one unit long (the text on both sides
  //   of a deletion never meets in the one pass).
  // Where two rules start at one position the earlier wins in both.
  static bool Fits(const std::vector<LiteralRewrite>& group, const LiteralRewrite& rule);

  // The rules in list order; every rule has a non-empty find text and each
  // one Fits the ones before it.
  explicit LiteralRuleGroup(std::vector<LiteralRewrite> rules);

  // One pass over text. True when some rule matched: out then holds the
  // result. False when none did: text is the result and out is unspecified.
  bool Rewrite(const std::wstring& text, std::wstring& out) const;

  size_t size() const { return size_; }

 private:
  // The rules whose text starts with one unit, as a range of entries_.
  struct Head {
    uint16_t begin;
    uint16_t end;
  };
  // A rule as the pass reads it: where its texts stand in units_.
  struct Entry {
    uint32_t find;
    uint32_t findLength;
    uint32_t write;
    uint32_t writeLength;
  };

  size_t size_ = 0;
  // Two-level index of the first units: top_[u >> 8] is a block of blocks_,
  // whose entry for u & 0xFF is 1 + the index in heads_ of the rules that
  // start with u, 0 for none. Block 0 is all zero.
  std::array<uint16_t, 256> top_{};
  std::vector<uint16_t> blocks_;
  std::vector<Head> heads_;
  // The rules grouped by first unit, in list order within each.
  std::vector<Entry> entries_;
  std::wstring units_;
  // The most units a rule writes for each unit it finds, rounded up: the
  // result of a pass is at most this many times as long as its text.
  size_t growth_ = 1;
  // The first units again as a bitmap over their span, tested before the
  // index: most units of a text start no rule, and this needs no table walk.
  uint32_t lowestFirst_ = 0;
  uint32_t firstSpan_ = 0;  // highest first unit - lowestFirst_
  std::vector<uint64_t> firstBits_;
};
