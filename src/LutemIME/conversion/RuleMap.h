#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One row of a phonetic table: a Latin key sequence and the Bengali text it
// writes (possibly nothing).
struct RuleEntry {
  std::string key;
  std::string value;
};

// Key -> value map of one phonetic table. Filled once from ordered rows and
// read-only afterwards; values keep their addresses for the map's lifetime.
class RuleMap {
 public:
  // Clears the map, then inserts the rows in order; of two rows with one key
  // the first stays.
  void Fill(const std::vector<RuleEntry>& rows);

  // The value for key, or nullptr when the key is not in the map.
  const std::string* Find(std::string_view key) const;
  bool Contains(std::string_view key) const { return Find(key) != nullptr; }
  size_t size() const { return map_.size(); }

  template <typename F>
  void ForEachKey(F&& f) const {
    for (const auto& kv : map_) f(kv.first);
  }

 private:
  std::unordered_map<std::string, std::string> map_;
};
