#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conversion/RuleList.h"

// Writes the source table of a fixed layout. The three fixed layouts share
// the shape of their movement rules (reph, pre-base vowel signs, phala order)
// and differ only in their keys, so those rules are written once here.
class RuleTableBuilder {
 public:
  // "[ক-হড়ঢ়য়]": U+0995 to U+09B9 and the precomposed U+09DC, U+09DD, U+09DF.
  static constexpr std::u16string_view kConsonant{u"[\u0995-\u09B9\u09DC\u09DD\u09DF]"};
  // The ten vowel signs a phala is moved in front of.
  static constexpr std::u16string_view kVowelSign{
      u"[\u09BE\u09BF\u09C0\u09C1\u09C2\u09C3\u09C7\u09C8\u09CB\u09CC]"};

  static std::u16string Cat(std::initializer_list<std::u16string_view> parts);

  RuleTableBuilder& Add(std::u16string_view pattern, std::u16string_view replacement);
  // One rule per key: the key (a character with no regex meaning) becomes its text.
  RuleTableBuilder& Keys(std::initializer_list<std::pair<char16_t, std::u16string_view>> keys);
  // The digit keys 1 to 9 and 0, one rule each, in that order.
  RuleTableBuilder& Digits();
  // The reph key moved in front of the two-consonant cluster or the consonant
  // before it; with preBaseKeys (a bracket class) a waiting pre-base key in
  // front of the cluster is kept behind the reph first. A reph key left over
  // becomes the reph itself.
  RuleTableBuilder& Reph(std::u16string_view preBaseKeys, std::u16string_view rephKey);
  // A pre-base key moved behind the two-consonant cluster, else the consonant,
  // that follows it, as its vowel sign.
  RuleTableBuilder& PreBase(std::u16string_view key, std::u16string_view sign);
  // Every match deleted ("$1" for a pattern without a group).
  RuleTableBuilder& Delete(std::u16string_view key);
  // A vowel sign typed before the ra-phala or ya-phala put behind it.
  RuleTableBuilder& PhalaOrder();

  std::vector<RuleList::Source> Take() { return std::move(table_); }

 private:
  std::vector<RuleList::Source> table_;
};
