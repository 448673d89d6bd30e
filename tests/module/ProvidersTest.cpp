// What the active text service provides to TSF and to applications beside
// keys: the look of composed text, and search candidates through its
// function provider.
#include <gtest/gtest.h>

#include "TextServiceFixture.h"

namespace {

class ProvidersTest : public TextServiceFixture {};

TEST_F(ProvidersTest, DisplayAttributesForTheTwoOwnGuidsOnly) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  ITfDisplayAttributeProvider* provider =
      Service<ITfDisplayAttributeProvider>(IID_ITfDisplayAttributeProvider);
  ASSERT_NE(provider, nullptr);

  ITfDisplayAttributeInfo* info = reinterpret_cast<ITfDisplayAttributeInfo*>(1);
  EXPECT_EQ(provider->GetDisplayAttributeInfo(GUID_NULL, &info), E_INVALIDARG);
  EXPECT_EQ(info, nullptr);
  EXPECT_EQ(provider->GetDisplayAttributeInfo(GUID_DisplayAttributeInput, nullptr), E_INVALIDARG);
  for (const GUID* guid : {&GUID_DisplayAttributeInput, &GUID_DisplayAttributeConverted}) {
    ASSERT_EQ(provider->GetDisplayAttributeInfo(*guid, &info), S_OK);
    GUID reported = GUID_NULL;
    EXPECT_EQ(info->GetGUID(&reported), S_OK);
    EXPECT_EQ(reported, *guid);
    info->Release();
  }

  IEnumTfDisplayAttributeInfo* all = nullptr;
  ASSERT_EQ(provider->EnumDisplayAttributeInfo(&all), S_OK);
  ITfDisplayAttributeInfo* infos[3] = {};
  ULONG fetched = 0;
  EXPECT_EQ(all->Next(3, infos, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 2u);
  infos[0]->Release();
  infos[1]->Release();
  all->Release();
  EXPECT_EQ(provider->EnumDisplayAttributeInfo(nullptr), E_INVALIDARG);
  provider->Release();
}

TEST_F(ProvidersTest, TheFunctionProviderHandsOutTheSearchCandidateProvider) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  ITfFunctionProvider* functions = Service<ITfFunctionProvider>(IID_ITfFunctionProvider);
  ASSERT_NE(functions, nullptr);
  BSTR description = reinterpret_cast<BSTR>(1);
  EXPECT_EQ(functions->GetDescription(&description), E_NOTIMPL);
  EXPECT_EQ(description, nullptr);
  EXPECT_EQ(functions->GetType(nullptr), E_INVALIDARG);

  IUnknown* found = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(functions->GetFunction(CLSID_TextService, IID_ITfFnSearchCandidateProvider, &found),
            E_NOINTERFACE);
  EXPECT_EQ(found, nullptr);
  EXPECT_EQ(functions->GetFunction(GUID_NULL, IID_ITfFunction, &found), E_NOINTERFACE)
      << "the text service is no function itself";
  ASSERT_EQ(functions->GetFunction(GUID_NULL, IID_ITfKeyEventSink, &found), S_OK);
  found->Release();

  ASSERT_EQ(functions->GetFunction(GUID_NULL, IID_ITfFnSearchCandidateProvider, &found), S_OK);
  auto* search = static_cast<ITfFnSearchCandidateProvider*>(found);
  ITfCandidateList* list = reinterpret_cast<ITfCandidateList*>(1);
  EXPECT_EQ(search->GetSearchCandidates(nullptr, nullptr, &list), S_OK);
  EXPECT_EQ(list, nullptr) << "nothing is composed";
  functions->Release();

  // A search box that keeps the provider past the text service: no answer,
  // and the module stays loaded for it.
  ASSERT_EQ(Deactivate(), S_OK);
  list = reinterpret_cast<ITfCandidateList*>(1);
  EXPECT_EQ(search->GetSearchCandidates(nullptr, nullptr, &list), E_FAIL);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(module_.CanUnloadNow(), S_FALSE);
  search->Release();
  EXPECT_TRUE(Eventually([&] { return module_.CanUnloadNow() == S_OK; }));
}

}  // namespace
