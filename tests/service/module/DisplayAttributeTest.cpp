#include <gtest/gtest.h>

#include <string>

#include "Platform.h"
#include "service/module/CDisplayAttributeInfoConverted.h"
#include "service/module/CDisplayAttributeInfoInput.h"
#include "service/module/CEnumDisplayAttributeInfo.h"
#include "service/module/DllObjectCount.h"
#include "service/module/TextServiceGuids.h"

namespace {

LONG Count() { return InterlockedCompareExchange(&DllObjectCount, 0, 0); }

std::u16string Description(ITfDisplayAttributeInfo* info) {
  BSTR text = nullptr;
  EXPECT_EQ(info->GetDescription(&text), S_OK);
  std::u16string copy(AsChar16(text), SysStringLen(text));
  SysFreeString(text);
  return copy;
}

// Both kinds draw the same black wavy underline over the application's
// colours and differ only in GUID and description.
TEST(DisplayAttributeTest, BothKindsReportTheirGuidDescriptionAndTheUnderline) {
  struct Kind {
    ITfDisplayAttributeInfo* info;
    const GUID* guid;
    std::u16string description;
  } kinds[] = {
      {new CDisplayAttributeInfoInput, &GUID_DisplayAttributeInput,
       u"Lutem Text Service Display Attribute Input"},
      {new CDisplayAttributeInfoConverted, &GUID_DisplayAttributeConverted,
       u"Lutem Text Service Display Attribute Converted"},
  };
  for (Kind& kind : kinds) {
    GUID guid;
    ASSERT_EQ(kind.info->GetGUID(&guid), S_OK);
    EXPECT_TRUE(IsEqualGUID(guid, *kind.guid));
    EXPECT_EQ(Description(kind.info), kind.description);
    TF_DISPLAYATTRIBUTE attribute;
    ASSERT_EQ(kind.info->GetAttributeInfo(&attribute), S_OK);
    EXPECT_EQ(attribute.crText.type, TF_CT_NONE);
    EXPECT_EQ(attribute.crBk.type, TF_CT_NONE);
    EXPECT_EQ(attribute.lsStyle, TF_LS_SQUIGGLE);
    EXPECT_FALSE(attribute.fBoldLine);
    EXPECT_EQ(attribute.crLine.type, TF_CT_COLORREF);
    EXPECT_EQ(attribute.crLine.cr, static_cast<COLORREF>(0));
    EXPECT_EQ(attribute.bAttr, TF_ATTR_INPUT);
    EXPECT_EQ(kind.info->SetAttributeInfo(&attribute), E_NOTIMPL);
    EXPECT_EQ(kind.info->Reset(), E_NOTIMPL);
    EXPECT_EQ(kind.info->GetGUID(nullptr), E_INVALIDARG);
    EXPECT_EQ(kind.info->GetDescription(nullptr), E_INVALIDARG);
    EXPECT_EQ(kind.info->GetAttributeInfo(nullptr), E_INVALIDARG);
    void* other = kind.info;
    EXPECT_EQ(kind.info->QueryInterface(IID_IClassFactory, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(kind.info->Release(), 0u);
  }
}

TEST(DisplayAttributeTest, EachObjectHoldsTheModuleWhileItLives) {
  LONG before = Count();
  auto* info = new CDisplayAttributeInfoInput;
  IEnumTfDisplayAttributeInfo* enumerator = new CEnumDisplayAttributeInfo;
  EXPECT_EQ(Count(), before + 2);
  IUnknown* unknown = nullptr;
  ASSERT_EQ(info->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
  EXPECT_EQ(unknown->Release(), 1u);
  EXPECT_EQ(Count(), before + 2) << "references are the object's own";
  info->Release();
  enumerator->Release();
  EXPECT_EQ(Count(), before);
}

std::u16string DescriptionOf(ITfDisplayAttributeInfo* info) {
  std::u16string text = Description(info);
  info->Release();
  return text.substr(text.rfind(u' ') + 1);
}

TEST(DisplayAttributeTest, EnumeratorHandsOutInputThenConvertedAndThenNothing) {
  LONG before = Count();
  CEnumDisplayAttributeInfo* enumerator = new CEnumDisplayAttributeInfo;
  ITfDisplayAttributeInfo* infos[3] = {};
  ULONG fetched = 99;
  EXPECT_EQ(enumerator->Next(3, infos, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 2u);
  EXPECT_EQ(DescriptionOf(infos[0]), u"Input");
  EXPECT_EQ(DescriptionOf(infos[1]), u"Converted");
  EXPECT_EQ(enumerator->Next(1, infos, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);
  EXPECT_EQ(infos[0], nullptr);
  EXPECT_EQ(enumerator->Next(0, nullptr, nullptr), S_OK);
  EXPECT_EQ(enumerator->Next(1, nullptr, nullptr), E_INVALIDARG);

  EXPECT_EQ(enumerator->Reset(), S_OK);
  EXPECT_EQ(enumerator->Skip(1), S_OK);
  IEnumTfDisplayAttributeInfo* clone = nullptr;
  ASSERT_EQ(enumerator->Clone(&clone), S_OK);
  EXPECT_EQ(clone->Next(1, infos, nullptr), S_OK);
  EXPECT_EQ(DescriptionOf(infos[0]), u"Converted") << "the clone starts where its source is";
  clone->Release();
  EXPECT_EQ(enumerator->Clone(nullptr), E_INVALIDARG);
  enumerator->Release();
  EXPECT_EQ(Count(), before);
}

TEST(DisplayAttributeTest, SkipStopsAtTheEnd) {
  struct Case {
    ULONG start;
    ULONG skip;
    HRESULT result;
    ULONG left;  // infos still to come
  } cases[] = {
      {0, 2, S_OK, 0},    {0, 3, S_FALSE, 0},          {0, 1, S_OK, 1}, {1, 1, S_OK, 0},
      {1, 2, S_FALSE, 0}, {1, 0xFFFFFFFF, S_FALSE, 0}, {0, 0, S_OK, 2},
  };
  for (const Case& c : cases) {
    CEnumDisplayAttributeInfo* enumerator = new CEnumDisplayAttributeInfo;
    enumerator->Skip(c.start);
    EXPECT_EQ(enumerator->Skip(c.skip), c.result) << c.start << "+" << c.skip;
    ITfDisplayAttributeInfo* infos[2] = {};
    ULONG fetched = 0;
    enumerator->Next(2, infos, &fetched);
    EXPECT_EQ(fetched, c.left) << c.start << "+" << c.skip;
    for (ULONG i = 0; i < fetched; ++i) infos[i]->Release();
    enumerator->Release();
  }
}

}  // namespace
