#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// The user's remembered choices: typed keys (exactly as typed, case kept) to
// the candidate chosen for them. It has no lock of its own: its owner holds
// one around every call.
class UserDictionary {
 public:
  std::optional<std::u16string> Find(std::u16string_view keys) const;
  // Inserts, or replaces the earlier choice for the same keys.
  void Set(std::u16string_view keys, std::u16string_view value);
  void Clear() { entries_.clear(); }
  size_t Size() const { return entries_.size(); }

 private:
  std::map<std::u16string, std::u16string, std::less<>> entries_;
};
