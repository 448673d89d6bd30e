#include "suggest/UserDictionary.h"

std::optional<std::u16string> UserDictionary::Find(std::u16string_view keys) const {
  auto it = entries_.find(keys);
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

void UserDictionary::Set(std::u16string_view keys, std::u16string_view value) {
  entries_.insert_or_assign(std::u16string(keys), std::u16string(value));
}
