#include "suggest/RemoveDuplicateCandidates.h"

#include <string_view>
#include <vector>

void RemoveDuplicateCandidates(LutemIMEArray<CCandidateListItem>* list) {
  if (list == nullptr || list->Count() == 0) return;
  // A list holds a few dozen items at most, and its first two (the converted
  // text and the keys) grow with the input: comparing with the kept texts,
  // which differ in length or early bytes almost always, reads far less
  // than hashing every text whole at every key.
  std::vector<std::u16string_view> kept;
  size_t i = 0;
  while (i < list->Count()) {
    const std::u16string_view text = list->GetAt(i)->View();
    bool seen = false;
    for (std::u16string_view other : kept) {
      if (other.size() == text.size() && other == text) {
        seen = true;
        break;
      }
    }
    if (seen) {
      list->RemoveAt(i);
    } else {
      kept.push_back(text);
      ++i;
    }
  }
}
