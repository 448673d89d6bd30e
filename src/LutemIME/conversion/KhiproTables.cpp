#include "conversion/KhiproTables.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr std::string_view kGroupNames[] = {"shor",   "byanjon", "juktolutem", "reph",
                                            "phola",  "kar",     "ongko",      "diacritic",
                                            "biram",  "prithayok", "ae"};
static_assert(std::size(kGroupNames) == KhiproTables::kGroupCount);
}  // namespace

std::string_view KhiproTables::GroupName(int group) {
  if (group < 0 || group >= kGroupCount) return {};
  return kGroupNames[group];
}

int KhiproTables::GroupId(std::string_view name) {
  for (int g = 0; g < kGroupCount; ++g)
    if (kGroupNames[g] == name) return g;
  return kNoGroup;
}

void KhiproTables::Build(const std::vector<std::vector<RuleEntry>>& rows,
                         const std::array<std::vector<int>, kStateCount>& stateGroupIds) {
  groupIndex.clear();
  groupMaxKeyLength.clear();
  for (int g = 0; g < kGroupCount; ++g) {
    RuleMap& table = groupTables[static_cast<size_t>(g)];
    table.Fill(g < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(g)]
                                                 : std::vector<RuleEntry>{});
    const std::string name(kGroupNames[g]);
    groupIndex[name] = &table;
    size_t longest = 0;
    table.ForEachKey([&](const std::string& key) { longest = std::max(longest, key.size()); });
    groupMaxKeyLength[name] = longest;
  }

  stateGroups.clear();
  for (int state = 0; state < kStateCount; ++state) {
    std::vector<std::string>& names = stateGroups[state];
    StateIndex& index = states_[static_cast<size_t>(state)];
    index.keys.Clear();
    index.hits.clear();
    index.maxKeyLength = 0;
    for (int g : stateGroupIds[static_cast<size_t>(state)]) {
      names.emplace_back(kGroupNames[g]);
      index.maxKeyLength = std::max(index.maxKeyLength, groupMaxKeyLength[names.back()]);
      groupTables[static_cast<size_t>(g)].ForEachKey([&](const std::string& key) {
        const auto id = static_cast<size_t>(index.keys.Insert(key));
        if (id < index.hits.size()) return;  // a group tried earlier has the key
        index.hits.push_back(Hit{g, 0, groupTables[static_cast<size_t>(g)].Find(key)});
      });
    }
  }
}

KhiproTables::Hit KhiproTables::MatchGroup(int group, std::string_view text, size_t pos) const {
  Hit hit;
  if (group < 0 || group >= kGroupCount || pos >= text.size()) return hit;
  const RuleMap& table = groupTables[static_cast<size_t>(group)];
  const auto longest = groupMaxKeyLength.find(std::string(kGroupNames[group]));
  const size_t most = longest == groupMaxKeyLength.end() ? 0 : longest->second;
  for (size_t length = std::min(most, text.size() - pos); length > 0; --length) {
    if (const std::string* value = table.Find(text.substr(pos, length))) {
      hit.group = group;
      hit.length = length;
      hit.value = value;
      return hit;
    }
  }
  return hit;
}
