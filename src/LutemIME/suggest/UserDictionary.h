#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// The pairs of a "LOAD_USER_DICT" reply: lines ending at U+000A (a last line
// without one counts), each split at its first colon. A line without a colon,
// or with nothing before or after it, is skipped; a CR stays in the value.
std::vector<std::pair<std::u16string, std::u16string>> ParseUserDictionaryReply(
    std::u16string_view reply);
