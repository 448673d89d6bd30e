#include <gtest/gtest.h>

#include <string>

#include "Platform.h"
#include "service/module/GuidToRegistryText.h"
#include "service/module/TipCategoryList.h"

namespace {

TEST(GuidToRegistryTextTest, WritesTheClassInUpperCaseBracesAndANul) {
  WCHAR text[40];
  for (WCHAR& unit : text) unit = 'x';
  EXPECT_TRUE(GuidToRegistryText(text));
  EXPECT_EQ(std::u16string(AsChar16(text)), u"{DA57B8A4-6DDE-42D9-843E-F97CE3F5A823}");
  EXPECT_EQ(text[38], 0);
  EXPECT_EQ(text[39], 'x') << "39 units are all it writes";
}

TEST(TipCategoryListTest, KeyboardAndDisplayAttributesComeFirst) {
  EXPECT_TRUE(IsEqualGUID(TipCategoryList[0], GUID_TFCAT_TIP_KEYBOARD));
  EXPECT_TRUE(IsEqualGUID(TipCategoryList[1], GUID_TFCAT_DISPLAYATTRIBUTEPROVIDER));
  EXPECT_TRUE(IsEqualGUID(TipCategoryList[7], GUID_TFCAT_TIPCAP_SYSTRAYSUPPORT));
  for (int i = 0; i < kTipCategoryCount; ++i)
    for (int j = i + 1; j < kTipCategoryCount; ++j)
      EXPECT_FALSE(IsEqualGUID(TipCategoryList[i], TipCategoryList[j])) << i << " " << j;
}

}  // namespace
