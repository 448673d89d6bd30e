#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "conversion/KeySet.h"
#include "conversion/RuleMap.h"

// The process-wide Khipro rules: eleven named groups and, for each of the
// four states, the groups allowed in it. Filled once by Build and only read
// afterwards, from any thread.
class KhiproTables {
 public:
  enum Group : int {
    Shor, Byanjon, Juktolutem, Reph, Phola, Kar, Ongko, Diacritic, Biram, Prithayok, Ae,
    kGroupCount,
    kNoGroup = -1
  };
  static constexpr int kStateCount = 4;

  // "shor" ... "ae"; empty for kNoGroup or a number out of range.
  static std::string_view GroupName(int group);
  // kNoGroup for a name that is no group.
  static int GroupId(std::string_view name);

  // rows: one list per group, in Group order; stateGroups: group ids per
  // state, in the order they are tried.
  void Build(const std::vector<std::vector<RuleEntry>>& rows,
             const std::array<std::vector<int>, kStateCount>& stateGroupIds);

  // The longest key at text[pos] that a group allowed in state holds; of
  // two groups with that key the one tried first. length 0 when none.
  struct Hit {
    int group = kNoGroup;
    size_t length = 0;
    const std::string* value = nullptr;
  };
  Hit Match(int state, std::string_view text, size_t pos) const {
    Hit hit;
    if (state < 0 || state >= kStateCount || pos >= text.size()) return hit;
    const StateIndex& s = states_[static_cast<size_t>(state)];
    int32_t id;
    const size_t length = s.keys.LongestMatch(text, pos, s.maxKeyLength, &id);
    if (length == 0) return hit;
    hit = s.hits[static_cast<size_t>(id)];
    hit.length = length;
    return hit;
  }

  // The longest key of one group alone at text[pos]; length 0 when none.
  Hit MatchGroup(int group, std::string_view text, size_t pos) const;

  std::array<RuleMap, kGroupCount> groupTables;
  std::unordered_map<std::string, const RuleMap*> groupIndex;
  std::unordered_map<std::string, size_t> groupMaxKeyLength;
  std::unordered_map<int, std::vector<std::string>> stateGroups;

 private:
  // Every key of a state's groups in one trie, so that a match is one walk
  // instead of a hash look-up per length and group.
  struct StateIndex {
    KeySet keys;
    std::vector<Hit> hits;  // by key id; length unused
    size_t maxKeyLength = 0;
  };
  std::array<StateIndex, kStateCount> states_;
};
