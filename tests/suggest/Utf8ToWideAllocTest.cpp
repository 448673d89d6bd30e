#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "conversion/CodePoints.h"
#include "suggest/Utf8ToWideAlloc.h"

namespace {

TEST(Utf8ToWideAllocTest, MakesANulTerminatedCopy) {
  struct Case {
    std::string utf8;
    std::u16string expected;
  } cases[] = {
      {"", u""},
      {"abc", u"abc"},
      {Utf8FromCodePoints(U"\u0995\u09CD\u09B7"), u"\u0995\u09CD\u09B7"},
      {Utf8FromCodePoints(U"\U0001F600"), u"\U0001F600"},  // a surrogate pair
      {"a\xFF" "b", u"a\uFFFDb"},
  };
  for (const Case& c : cases) {
    std::unique_ptr<WCHAR[]> wide(Utf8ToWideAlloc(c.utf8));
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(std::u16string(AsChar16(wide.get())), c.expected);
  }
}

}  // namespace
