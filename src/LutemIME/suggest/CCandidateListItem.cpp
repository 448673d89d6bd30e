#include "suggest/CCandidateListItem.h"

#include <algorithm>
#include <string>

#include "suggest/Utf8ToWideAlloc.h"

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

std::u16string_view AppendUtf8Candidate(LutemIMEArray<CCandidateListItem>* list,
                                        std::string_view word) {
  if (list == nullptr) return {};
  std::unique_ptr<WCHAR[]> copy(Utf8ToWideAlloc(word));
  if (!copy) return {};
  const size_t length = std::char_traits<char16_t>::length(AsChar16(copy.get()));
  const char16_t* kept = AsChar16(copy.get());
  AppendOwnedCandidate(list, std::move(copy), length);
  return {kept, length};
}
