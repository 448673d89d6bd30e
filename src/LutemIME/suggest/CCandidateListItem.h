#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Platform.h"
#include "suggest/CStringRange.h"
#include "suggest/LutemIMEArray.h"

// One suggestion: a view of its text, the same kind of view as the
// composition's. Whether the text belongs to the list or to someone else
// (the engine's converted text and keys) is the list's business, so items stay plain values that
// can be copied and moved freely.
struct CCandidateListItem : CStringRange {};

// The candidate list keeps the texts made for it (dictionary, model and
// number words) apart from its items: moving or dropping an item can never free a text that
// another item or a consumer still points to, and emptying or destroying the
// list frees exactly these.
template <>
class LutemIMEArrayOwned<CCandidateListItem> {
 public:
  // Takes a NUL-terminated text allocated with new[]; it stays valid until
  // the list is next emptied or destroyed.
  const WCHAR* AdoptText(std::unique_ptr<WCHAR[]> text) {
    ownedTexts_.push_back(std::move(text));
    return ownedTexts_.back().get();
  }
  size_t OwnedTextCount() const { return ownedTexts_.size(); }

 protected:
  void ReleaseOwned() { ownedTexts_.clear(); }

 private:
  std::vector<std::unique_ptr<WCHAR[]>> ownedTexts_;
};

// Appends an item whose text the list owns from now on.
void AppendOwnedCandidate(LutemIMEArray<CCandidateListItem>* list, std::unique_ptr<WCHAR[]> text,
                          uint64_t length);

// Appends a new[] copy of text, owned by the list.
void AppendCandidateCopy(LutemIMEArray<CCandidateListItem>* list, std::u16string_view text);

// Appends a UTF-16 copy (Utf8ToWideAlloc) of a UTF-8 word, owned by the list,
// and returns a view of it; nothing is appended, and the view is empty, when
// the copy cannot be made.
std::u16string_view AppendUtf8Candidate(LutemIMEArray<CCandidateListItem>* list,
                                        std::string_view word);
