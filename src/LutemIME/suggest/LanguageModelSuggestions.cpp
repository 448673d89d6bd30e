#include "suggest/LanguageModelSuggestions.h"

#include <string_view>
#include <vector>

#include "conversion/WideToUtf8.h"
#include "suggest/LanguageModelDecoder.h"
#include "suggest/LanguageModelQuery.h"
#include "suggest/LoadState.h"
#include "suggest/WordSearch.h"

namespace {

// Completions asked for: of the first model word, of the second, and of the
// converted text; at most five dictionary words per keystroke in all.
constexpr size_t kFirstWordCompletions = 2;
constexpr size_t kSecondWordCompletions = 1;
constexpr size_t kConvertedTextCompletions = 2;

void AppendCompletions(LutemIMEArray<CCandidateListItem>* list, std::u16string_view word,
                       size_t maximum) {
  if (word.empty()) return;
  for (const std::string& completion : SearchWordsLimited(WideToUtf8(word), maximum))
    AppendUtf8Candidate(list, completion);
}

}  // namespace

void GetSuggestions(std::u16string lowerKeys, const WCHAR* convertedText,
                    LutemIMEArray<CCandidateListItem>* list) {
  const bool modelReady = IsLoadReady(LanguageModelState);
  if (list == nullptr || !modelReady) return;
  if (lowerKeys.empty()) return;
  // Keys of more units than the model's gate lets through have at least as
  // many UTF-8 bytes and give no model word: a long input is not converted
  // for the model at every key. Non-empty keys always convert (a lone
  // surrogate becomes U+FFFD), so the completions still follow.
  std::vector<std::string> decoded;
  if (lowerKeys.size() <= kMaxLanguageModelQueryBytes) {
    const std::string query = WideToUtf8(lowerKeys);
    if (query.empty()) return;
    decoded = DecodeWithLanguageModel(query, modelReady);
  }

  // Views into texts the list now owns: valid until the list is emptied.
  std::u16string_view modelWords[2];
  for (size_t i = 0; i < decoded.size() && i < 2; ++i)
    modelWords[i] = AppendUtf8Candidate(list, decoded[i]);

  if (!IsLoadReady(WordDictionaryState)) return;
  AppendCompletions(list, modelWords[0], kFirstWordCompletions);
  AppendCompletions(list, modelWords[1], kSecondWordCompletions);
  if (convertedText == nullptr) return;
  // A converted text longer than every word begins none: a long input is
  // neither measured whole nor converted.
  const size_t longest = LongestUsefulPrefix();
  const size_t length = LengthUpTo(AsChar16(convertedText), longest);
  if (length <= longest)
    AppendCompletions(list, std::u16string_view(AsChar16(convertedText), length),
                      kConvertedTextCompletions);
}
