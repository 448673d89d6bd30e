// Properties of a context's text on the stand-in: values per unit, runs
// clipped to a target with the empty ones included, values that follow
// edits, and what may be written.
#include "TextFixture.h"

namespace tsftest {
namespace {

struct PropertyTest : TextFixture {
  void SetUp() override {
    TextFixture::SetUp();
    Load(u"abcdefgh", 0);
    context->GetProperty(GUID_PROP_LANGID, langId.Receive());
    Edit([&](TfEditCookie ec) {
      Set(ec, 2, 5, 0x0845);
      Set(ec, 5, 6, 0x0409);
    });
  }
  void Set(TfEditCookie ec, LONG start, LONG end, LONG value) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = value;
    ASSERT_EQ(langId->SetValue(ec, RangeAt(ec, start, end).get(), &v), S_OK);
  }
  // Every run EnumRanges gives over [start, end) (the whole text for -1),
  // as "start-end=value" with "-" for no value.
  std::vector<std::string> Runs(LONG start, LONG end) {
    std::vector<std::string> runs;
    Request(
        [&](TfEditCookie ec) {
          ComPtr<ITfRange> target;
          if (start >= 0) target = RangeAt(ec, start, end);
          ComPtr<IEnumTfRanges> ranges;
          EXPECT_EQ(langId->EnumRanges(ec, ranges.Receive(), target.get()), S_OK);
          ITfRange* range = nullptr;
          while (ranges->Next(1, &range, nullptr) == S_OK) {
            VARIANT v{};
            EXPECT_EQ(langId->GetValue(ec, range, &v), S_OK);
            Offs at = Offsets(range);
            runs.push_back(std::to_string(at.first) + "-" + std::to_string(at.second) + "=" +
                           (v.vt == VT_I4 ? std::to_string(v.lVal) : "-"));
            range->Release();
          }
          return S_OK;
        },
        TF_ES_SYNC | TF_ES_READ);
    return runs;
  }

  ComPtr<ITfProperty> langId;
};

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(PropertyTest, EnumRangesGivesEveryRunClippedToTheTargetEmptyOnesIncluded) {
  EXPECT_THAT(Runs(-1, -1), ElementsAre("0-2=-", "2-5=2117", "5-6=1033", "6-8=-"));
  EXPECT_THAT(Runs(3, 7), ElementsAre("3-5=2117", "5-6=1033", "6-7=-"));
  EXPECT_THAT(Runs(0, 3), ElementsAre("0-2=-", "2-3=2117"));
  EXPECT_THAT(Runs(4, 4), IsEmpty());
}

TEST_F(PropertyTest, GetValueGivesAValueOnlyWhereItIsUniform) {
  Request(
      [&](TfEditCookie ec) {
        for (auto [start, end, type] : {std::tuple{2, 5, VT_I4}, std::tuple{2, 6, VT_EMPTY},
                                        std::tuple{0, 1, VT_EMPTY}, std::tuple{3, 3, VT_EMPTY}}) {
          VARIANT v{};
          v.vt = VT_UNKNOWN;
          EXPECT_EQ(langId->GetValue(ec, RangeAt(ec, start, end).get(), &v), S_OK);
          EXPECT_EQ(v.vt, type) << start << "-" << end;
        }
        return S_OK;
      },
      TF_ES_SYNC | TF_ES_READ);
}

TEST_F(PropertyTest, ValuesStayOnTheirTextAndNewTextHasNone) {
  Edit([&](TfEditCookie ec) {
    RangeAt(ec, 3, 3)->SetText(ec, 0, u"XY", 2);
    RangeAt(ec, 7, 8)->SetText(ec, 0, u"Z", 1);
  });
  EXPECT_EQ(Text(), u"abcXYdeZgh");
  EXPECT_THAT(Runs(-1, -1), ElementsAre("0-2=-", "2-3=2117", "3-5=-", "5-7=2117", "7-10=-"));
}

TEST_F(PropertyTest, ClearAndTheWritesThatAreRefused) {
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> range = RangeAt(ec, 0, 8);
    VARIANT text{};
    text.vt = VT_BSTR;
    EXPECT_EQ(langId->SetValue(ec, range.get(), &text), E_INVALIDARG);
    ComPtr<ITfProperty> composing;
    context->GetProperty(GUID_PROP_COMPOSING, composing.Receive());
    VARIANT one{};
    one.vt = VT_I4;
    one.lVal = 1;
    EXPECT_EQ(composing->SetValue(ec, range.get(), &one), TF_E_READONLY);
    EXPECT_EQ(langId->Clear(ec, RangeAt(ec, 4, 5).get()), S_OK);
  });
  EXPECT_THAT(Runs(-1, -1), ElementsAre("0-2=-", "2-4=2117", "4-5=-", "5-6=1033", "6-8=-"));
  Request(
      [&](TfEditCookie ec) {
        EXPECT_EQ(langId->Clear(ec, nullptr), TF_E_NOLOCK);
        return S_OK;
      },
      TF_ES_SYNC | TF_ES_READ);
  Edit([&](TfEditCookie ec) { EXPECT_EQ(langId->Clear(ec, nullptr), S_OK); });
  std::vector<host::PropertyRun> runs = host::PropertyRuns(context, GUID_PROP_LANGID);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].type, VT_EMPTY);
  EXPECT_EQ(runs[0].end, 8);
}

TEST_F(PropertyTest, TheContextGivesOnePropertyObjectPerGuid) {
  ComPtr<ITfProperty> again;
  context->GetProperty(GUID_PROP_LANGID, again.Receive());
  EXPECT_EQ(again.get(), langId.get());
  GUID type{};
  again->GetType(&type);
  EXPECT_TRUE(IsEqualGUID(type, GUID_PROP_LANGID));
  host::FailCall("ITfContext::GetProperty:GUID_PROP_ATTRIBUTE");
  ComPtr<ITfProperty> attribute;
  EXPECT_EQ(context->GetProperty(GUID_PROP_ATTRIBUTE, attribute.Receive()), E_FAIL);
  EXPECT_FALSE(attribute);
}

}  // namespace
}  // namespace tsftest
