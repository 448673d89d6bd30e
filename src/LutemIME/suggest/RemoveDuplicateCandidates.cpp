#include "suggest/RemoveDuplicateCandidates.h"

#include <string_view>
#include <unordered_set>

void RemoveDuplicateCandidates(LutemIMEArray<CCandidateListItem>* list) {
  if (list == nullptr || list->Count() == 0) return;
  std::unordered_set<std::u16string_view> seen;
  size_t i = 0;
  while (i < list->Count()) {
    if (seen.insert(list->GetAt(i)->View()).second)
      ++i;
    else
      list->RemoveAt(i);
  }
}
