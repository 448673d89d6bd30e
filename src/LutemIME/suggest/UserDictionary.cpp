#include "suggest/UserDictionary.h"

std::optional<std::u16string> UserDictionary::Find(std::u16string_view keys) const {
  auto it = entries_.find(keys);
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

void UserDictionary::Set(std::u16string_view keys, std::u16string_view value) {
  entries_.insert_or_assign(std::u16string(keys), std::u16string(value));
}

std::vector<std::pair<std::u16string, std::u16string>> ParseUserDictionaryReply(
    std::u16string_view reply) {
  std::vector<std::pair<std::u16string, std::u16string>> pairs;
  size_t start = 0;
  while (start < reply.size()) {
    size_t end = reply.find(u'\n', start);
    if (end == std::u16string_view::npos) end = reply.size();
    std::u16string_view line = reply.substr(start, end - start);
    size_t colon = line.find(u':');
    if (colon != std::u16string_view::npos && colon > 0 && colon + 1 < line.size())
      pairs.emplace_back(std::u16string(line.substr(0, colon)), std::u16string(line.substr(colon + 1)));
    start = end + 1;
  }
  return pairs;
}
