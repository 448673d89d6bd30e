#include "conversion/RuleMap.h"

void RuleMap::Fill(const std::vector<RuleEntry>& rows) {
  map_.clear();
  map_.reserve(rows.size());
  for (const auto& row : rows) map_.emplace(row.key, row.value);
}

const std::string* RuleMap::Find(std::string_view key) const {
  auto it = map_.find(std::string(key));
  return it == map_.end() ? nullptr : &it->second;
}
