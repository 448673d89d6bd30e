#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "suggest/CBaseDictionaryEngine.h"

// A dictionary engine that offers fixed words for every prefix, as the real
// one would: each appended text is a new copy owned by the list. It records
// its calls, and counts destructions across all instances.
class FakeDictionaryEngine : public CBaseDictionaryEngine {
 public:
  explicit FakeDictionaryEngine(std::vector<std::u16string> words) : words_(std::move(words)) {}
  ~FakeDictionaryEngine() override { ++destroyed; }

  void CollectWordsForPrefix(const WCHAR* prefix, LutemIMEArray<CCandidateListItem>* list,
                             UINT wordLimit) override {
    prefixes.emplace_back(AsChar16(prefix));
    limits.push_back(wordLimit);
    if (onCall) onCall();
    for (size_t i = 0; i < words_.size() && i < wordLimit; ++i)
      AppendCandidateCopy(list, words_[i]);
  }

  std::vector<std::u16string> prefixes;
  std::vector<UINT> limits;
  std::function<void()> onCall;
  static inline std::atomic<int> destroyed{0};

 private:
  std::vector<std::u16string> words_;
};
