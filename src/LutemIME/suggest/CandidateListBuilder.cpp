#include "suggest/CandidateListBuilder.h"

#include <string>

#include "suggest/CriticalSectionLock.h"
#include "suggest/LanguageModelSuggestions.h"
#include "suggest/NumberToBengaliWords.h"
#include "suggest/RemoveDuplicateCandidates.h"

namespace {

constexpr int kLutemPhonetic = 1;
constexpr int kLutemLowercase = 8;
constexpr UINT kDictionaryWordLimit = 7;
constexpr size_t kMaxNumberDigits = 9;

void AppendView(LutemIMEArray<CCandidateListItem>* list, const WCHAR* text, uint64_t length) {
  CCandidateListItem* item = list->Append();
  item->length = length;
  item->text = text;
}

}  // namespace

void CandidateListBuilder::Build(LutemIMEArray<CCandidateListItem>* list) const {
  if (list == nullptr) return;
  list->Clear();
  if (in_.keys.length == 0 || in_.keys.text == nullptr) return;

  if (in_.convertedText != nullptr)
    AppendView(list, in_.convertedText,
               std::char_traits<char16_t>::length(AsChar16(in_.convertedText)));
  // In layout 8 the keys carry the Shift marker and are never worth offering.
  if (in_.layout != kLutemLowercase) AppendView(list, in_.keys.text, in_.keys.length);
  AppendNumberWords(list);
  if (in_.encoding == 0 && in_.dictionaryEngine != nullptr) AppendDictionaryWords(list);
  if (in_.candidateWindow && in_.encoding == 0) MoveRememberedChoiceToFront(list);
  RemoveDuplicateCandidates(list);
}

void CandidateListBuilder::AppendNumberWords(LutemIMEArray<CCandidateListItem>* list) const {
  std::u16string_view keys = in_.keys.View();
  if (keys.size() > kMaxNumberDigits) return;
  int64_t value = 0;
  for (char16_t unit : keys) {
    if (unit < u'0' || unit > u'9') return;
    value = value * 10 + (unit - u'0');
  }
  if (value == 0) return;
  // A copy, not the per-thread buffer: another list built on this thread
  // (the search provider's, another engine's) would overwrite that buffer
  // while this list is still shown.
  AppendCandidateCopy(list, AsChar16(NumberToBengaliWords(value)));
}

void CandidateListBuilder::AppendDictionaryWords(LutemIMEArray<CCandidateListItem>* list) const {
  if (in_.layout == kLutemPhonetic) {
    std::u16string lowerKeys(in_.keys.View());
    for (char16_t& unit : lowerKeys)
      if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit + 0x20);
    GetSuggestions(std::move(lowerKeys), in_.convertedText, list);
  } else if (in_.convertedText != nullptr) {
    in_.dictionaryEngine->CollectWordsForPrefix(in_.convertedText, list, kDictionaryWordLimit);
  }
}

void CandidateListBuilder::MoveRememberedChoiceToFront(
    LutemIMEArray<CCandidateListItem>* list) const {
  if (in_.userDictionary == nullptr || in_.userDictionaryLock == nullptr) return;
  CriticalSectionLock lock(in_.userDictionaryLock);
  std::optional<std::u16string> choice = in_.userDictionary->Find(in_.keys.View());
  if (!choice) return;
  // In layout 1 this is the only plain dictionary search; elsewhere it
  // repeats the words already there, which the duplicate removal drops.
  if (in_.dictionaryEngine != nullptr && in_.convertedText != nullptr)
    in_.dictionaryEngine->CollectWordsForPrefix(in_.convertedText, list, kDictionaryWordLimit);
  for (size_t i = 0; i < list->Count(); ++i) {
    CCandidateListItem found = *list->GetAt(i);
    if (found.View() != *choice) continue;
    if (i > 0) {
      list->RemoveAt(i);
      *list->InsertAt(0) = found;
    }
    return;
  }
}
