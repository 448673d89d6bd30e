#include "suggest/CCandidateListItem.h"

#include <algorithm>

void AppendOwnedCandidate(LutemIMEArray<CCandidateListItem>* list, std::unique_ptr<WCHAR[]> text,
                          uint64_t length) {
  if (list == nullptr || !text) return;
  const WCHAR* kept = list->AdoptText(std::move(text));
  CCandidateListItem* item = list->Append();
  item->length = length;
  item->text = kept;
}

void AppendCandidateCopy(LutemIMEArray<CCandidateListItem>* list, std::u16string_view text) {
  if (list == nullptr) return;
  std::unique_ptr<WCHAR[]> copy(new WCHAR[text.size() + 1]);
  std::copy(text.begin(), text.end(), copy.get());
  copy[text.size()] = 0;
  AppendOwnedCandidate(list, std::move(copy), text.size());
}
