#include <gtest/gtest.h>

#include <string>

#include "Platform.h"
#include "host/FailureSwitch.h"

namespace {

TEST(BstrTest, KeepsItsLengthAndEmbeddedNuls) {
  const char16_t text[] = u"a\0b";
  BSTR copy = SysAllocStringLen(text, 3);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(SysStringLen(copy), 3u);
  EXPECT_EQ(SysStringByteLen(copy), 6u);
  EXPECT_EQ(std::u16string(copy, 3), std::u16string(text, 3));
  EXPECT_EQ(copy[3], 0) << "terminated after its length";
  SysFreeString(copy);

  BSTR whole = SysAllocString(u"Lutem");
  EXPECT_EQ(SysStringLen(whole), 5u);
  SysFreeString(whole);

  BSTR room = SysAllocStringLen(nullptr, 4);
  ASSERT_NE(room, nullptr);
  EXPECT_EQ(SysStringLen(room), 4u);
  SysFreeString(room);

  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  SysFreeString(nullptr);
}

TEST(BstrTest, AllocationFailureGivesNull) {
  host::FailCall("SysAllocString");
  EXPECT_EQ(SysAllocString(u"x"), nullptr);
  host::FailCall("SysAllocStringLen");
  EXPECT_EQ(SysAllocStringLen(u"x", 1), nullptr);
  host::ClearFailures();
}

// Counts its references, so a test sees VARIANT take and drop them.
struct Counted : IUnknown {
  ULONG references = 1;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
};

TEST(VariantTest, CopyDuplicatesStringsAndReferencesAndClearFreesThem) {
  VARIANT number;
  VariantInit(&number);
  EXPECT_EQ(number.vt, VT_EMPTY);
  number.vt = VT_I4;
  number.lVal = -7;
  VARIANT copy;
  VariantInit(&copy);
  ASSERT_EQ(VariantCopy(&copy, &number), S_OK);
  EXPECT_EQ(copy.vt, VT_I4);
  EXPECT_EQ(copy.lVal, -7);

  VARIANT text;
  text.vt = VT_BSTR;
  text.bstrVal = SysAllocString(u"ami");
  ASSERT_EQ(VariantCopy(&copy, &text), S_OK);
  EXPECT_NE(copy.bstrVal, text.bstrVal);
  EXPECT_EQ(std::u16string(copy.bstrVal), u"ami");
  EXPECT_EQ(VariantClear(&copy), S_OK);
  EXPECT_EQ(copy.vt, VT_EMPTY);
  EXPECT_EQ(VariantClear(&text), S_OK);

  Counted object;
  VARIANT unknown;
  unknown.vt = VT_UNKNOWN;
  unknown.punkVal = &object;
  ASSERT_EQ(VariantCopy(&copy, &unknown), S_OK);
  EXPECT_EQ(object.references, 2u);
  VariantClear(&copy);
  EXPECT_EQ(object.references, 1u);

  VARIANT odd;
  odd.vt = 0x4000;
  EXPECT_EQ(VariantClear(&odd), DISP_E_BADVARTYPE);
  EXPECT_EQ(odd.vt, 0x4000);
}

}  // namespace
