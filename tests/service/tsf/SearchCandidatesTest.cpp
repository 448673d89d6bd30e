// The search-candidate provider and its list, strings and enumerator, as a
// search box meets them, over a text service whose engine holds a
// composition.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "service/EngineTestAccess.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/settings/ProcessSettings.h"
#include "service/tsf/CSearchCandidateProvider.h"
#include "service/tsf/CTipCandidateString.h"
#include "service/tsf/LutemIME.h"
#include "suggest/CBaseDictionaryEngine.h"

namespace {

// Offers its words whatever the limit, so lists longer than the provider
// hands out can be had.
class ManyWords : public CBaseDictionaryEngine {
 public:
  explicit ManyWords(size_t count) {
    for (size_t i = 0; i < count; ++i) words_.push_back(u"w" + std::u16string(1, u'a' + i));
  }
  void CollectWordsForPrefix(const WCHAR*, LutemIMEArray<CCandidateListItem>* list, UINT) override {
    for (const std::u16string& word : words_) AppendCandidateCopy(list, word);
  }

 private:
  std::vector<std::u16string> words_;
};

std::u16string Text(ITfCandidateString* string) {
  BSTR text = nullptr;
  EXPECT_EQ(string->GetString(&text), S_OK);
  std::u16string copy(AsChar16(text), SysStringLen(text));
  SysFreeString(text);
  return copy;
}

ULONG Index(ITfCandidateString* string) {
  ULONG index = 99;
  EXPECT_EQ(string->GetIndex(&index), S_OK);
  return index;
}

class SearchCandidatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CurrentLayout = 2;
    CurrentEncoding = 0;
    ASSERT_EQ(LutemIME::CreateInstance(nullptr, IID_ITfTextInputProcessorEx,
                                       reinterpret_cast<void**>(&processor_)),
              S_OK);
    service_ = static_cast<LutemIME*>(processor_);
    ASSERT_EQ(CSearchCandidateProvider::CreateInstance(service_, &provider_), S_OK);
    // As activation leaves it: the text service holds one reference.
    service_->searchCandidateProvider = provider_;
    provider_->AddRef();
  }
  void TearDown() override {
    if (processor_ != nullptr) {
      delete service_->engine;
      service_->engine = nullptr;
      processor_->Release();
    }
    provider_->Release();
    CurrentLayout = savedLayout_;
    CurrentEncoding = savedEncoding_;
  }

  // An engine composing keys, with words candidates from its dictionary.
  void Compose(const std::u16string& keys, size_t words) {
    service_->engine = new CCompositionProcessorEngine;
    service_->engine->dictionaryEngine.store(new ManyWords(words));
    CCompositionProcessorEngineAccess::Compose(*service_->engine, keys, AsWchar(u"\u0995"));
  }

  ITfCandidateList* Search() {
    ITfCandidateList* list = reinterpret_cast<ITfCandidateList*>(1);
    EXPECT_EQ(provider_->GetSearchCandidates(nullptr, nullptr, &list), S_OK);
    return list;
  }

  ITfTextInputProcessorEx* processor_ = nullptr;
  LutemIME* service_ = nullptr;
  CSearchCandidateProvider* provider_ = nullptr;

 private:
  int32_t savedLayout_ = CurrentLayout;
  int32_t savedEncoding_ = CurrentEncoding;
};

TEST_F(SearchCandidatesTest, TheProviderAnswersOnlyWhileTheServiceHasAnEngine) {
  ITfCandidateList* list = reinterpret_cast<ITfCandidateList*>(1);
  EXPECT_EQ(provider_->GetSearchCandidates(nullptr, nullptr, &list), E_FAIL);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(provider_->GetSearchCandidates(nullptr, nullptr, nullptr), E_POINTER);

  BSTR name = nullptr;
  EXPECT_EQ(provider_->GetDisplayName(&name), S_OK);
  EXPECT_EQ(std::u16string(AsChar16(name)), u"SearchCandidateProvider");
  SysFreeString(name);
  EXPECT_EQ(provider_->GetDisplayName(nullptr), E_INVALIDARG);
  EXPECT_EQ(provider_->SetResult(nullptr, nullptr, nullptr), E_NOTIMPL);

  // Nothing composed: no list, and no failure.
  service_->engine = new CCompositionProcessorEngine;
  EXPECT_EQ(Search(), nullptr);
}

TEST_F(SearchCandidatesTest, ASearchBoxThatOutlivesTheServiceFindsNothing) {
  Compose(u"k", 3);
  delete service_->engine;
  service_->engine = nullptr;
  processor_->Release();  // the text service goes; the search box keeps the provider
  processor_ = nullptr;
  service_ = nullptr;
  ITfCandidateList* list = reinterpret_cast<ITfCandidateList*>(1);
  EXPECT_EQ(provider_->GetSearchCandidates(nullptr, nullptr, &list), E_FAIL);
  EXPECT_EQ(list, nullptr);
}

TEST_F(SearchCandidatesTest, AtMostSixteenStringsInTheEnginesOrder) {
  Compose(u"k", 20);  // the conversion, the keys, then 20 words
  LutemIMEArray<CCandidateListItem> expected;
  service_->engine->BuildCandidateList(&expected);
  ASSERT_GE(expected.Count(), 20u);

  ITfCandidateList* list = Search();
  ASSERT_NE(list, nullptr);
  ULONG count = 0;
  EXPECT_EQ(list->GetCandidateNum(&count), S_OK);
  ASSERT_EQ(count, 16u);
  IEnumTfCandidates* strings = nullptr;
  ASSERT_EQ(list->EnumCandidates(&strings), S_OK);
  for (ULONG i = 0; i < 16; ++i) {
    ITfCandidateString* string = nullptr;
    ULONG fetched = 0;
    ASSERT_EQ(strings->Next(1, &string, &fetched), S_OK);
    EXPECT_EQ(Index(string), i);
    EXPECT_EQ(Text(string), expected.GetAt(i)->View());
    string->Release();
  }
  strings->Release();

  ITfCandidateString* copy = nullptr;
  EXPECT_EQ(list->GetCandidate(16, &copy), E_FAIL);
  EXPECT_EQ(copy, nullptr);
  ASSERT_EQ(list->GetCandidate(3, &copy), S_OK);
  EXPECT_EQ(Index(copy), 3u);
  EXPECT_EQ(Text(copy), expected.GetAt(3)->View());
  copy->Release();
  EXPECT_EQ(list->GetCandidate(0, nullptr), E_POINTER);
  EXPECT_EQ(list->GetCandidateNum(nullptr), E_POINTER);
  EXPECT_EQ(list->SetResult(0, CAND_FINALIZED), E_NOTIMPL);
  list->Release();
}

TEST_F(SearchCandidatesTest, TheEnumeratorStopsAtTheEndAndOutlivesItsList) {
  Compose(u"k", 20);
  ITfCandidateList* list = Search();
  ASSERT_NE(list, nullptr);
  IEnumTfCandidates* walker = nullptr;
  ASSERT_EQ(list->EnumCandidates(&walker), S_OK);
  list->Release();  // the enumerator keeps its strings

  EXPECT_EQ(walker->Skip(0), S_OK);
  ITfCandidateString* got[4] = {};
  ULONG fetched = 9;
  ASSERT_EQ(walker->Next(1, got, &fetched), S_OK);
  got[0]->Release();
  ASSERT_EQ(walker->Next(1, got, &fetched), S_OK);
  got[0]->Release();
  IEnumTfCandidates* clone = nullptr;
  ASSERT_EQ(walker->Clone(&clone), S_OK);
  ASSERT_EQ(clone->Next(1, got, nullptr), S_OK);
  EXPECT_EQ(Index(got[0]), 2u) << "a clone starts where its original stands";
  got[0]->Release();
  clone->Release();

  EXPECT_EQ(walker->Skip(12), S_OK);  // at 14 of 16
  EXPECT_EQ(walker->Next(4, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 2u);
  EXPECT_EQ(Index(got[0]), 14u);
  EXPECT_EQ(Index(got[1]), 15u);
  EXPECT_EQ(Text(got[1]).empty(), false);
  got[0]->Release();
  got[1]->Release();
  EXPECT_EQ(walker->Next(1, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);
  EXPECT_EQ(got[0], nullptr);

  EXPECT_EQ(walker->Reset(), S_OK);
  EXPECT_EQ(walker->Skip(14), S_OK);
  EXPECT_EQ(walker->Skip(5), S_FALSE);
  EXPECT_EQ(walker->Next(1, got, &fetched), S_FALSE) << "Skip stopped at the end";
  EXPECT_EQ(walker->Next(1, nullptr, &fetched), E_INVALIDARG);
  EXPECT_EQ(walker->Clone(nullptr), E_POINTER);
  walker->Release();
}

TEST_F(SearchCandidatesTest, AStringKeepsItsTextUpToItsFirstNul) {
  struct Case {
    const char16_t* text;
    size_t length;
    std::u16string kept;
  } cases[] = {
      {u"abc", 2, u"ab"},
      {u"abc", 10, u"abc"},  // stops at the NUL
      {u"a\0bc", 4, u"a"},
      {nullptr, 5, u""},
  };
  for (const Case& c : cases) {
    auto* string = new CTipCandidateString;
    string->AddRef();
    EXPECT_EQ(string->SetString(AsWchar(c.text), c.length), S_OK);
    EXPECT_EQ(Text(string), c.kept);
    EXPECT_EQ(string->GetString(nullptr), E_POINTER);
    EXPECT_EQ(string->GetIndex(nullptr), E_POINTER);
    ITfCandidateList* wrong = nullptr;
    EXPECT_EQ(string->QueryInterface(IID_ITfCandidateList, reinterpret_cast<void**>(&wrong)),
              E_NOINTERFACE);
    EXPECT_EQ(string->Release(), 0u);
  }
}

}  // namespace
