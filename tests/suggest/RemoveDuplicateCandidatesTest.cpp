#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "suggest/RemoveDuplicateCandidates.h"

namespace {

std::vector<std::u16string> Texts(const LutemIMEArray<CCandidateListItem>& list) {
  std::vector<std::u16string> out;
  for (size_t i = 0; i < list.Count(); ++i) out.emplace_back(list.GetAt(i)->View());
  return out;
}

TEST(RemoveDuplicateCandidates, KeepsTheFirstOfEachTextInOrder) {
  struct Case {
    std::vector<std::u16string> in, out;
  } cases[] = {
      {{}, {}},
      {{u"a", u"b", u"a", u"c", u"b"}, {u"a", u"b", u"c"}},
      {{u"ab", u"abc", u"a"}, {u"ab", u"abc", u"a"}},  // whole texts, not prefixes
      {{u"A", u"a"}, {u"A", u"a"}},                    // ordinal
      {{u"", u"x", u""}, {u"", u"x"}},
  };
  for (const Case& c : cases) {
    LutemIMEArray<CCandidateListItem> list;
    for (const auto& t : c.in) AppendCandidateCopy(&list, t);
    RemoveDuplicateCandidates(&list);
    EXPECT_EQ(Texts(list), c.out);
  }
}

TEST(RemoveDuplicateCandidates, ComparesTheItemLengthNotTheTerminator) {
  // Views into one buffer: "ab" and "abc" share their storage.
  static const char16_t units[] = u"abc";
  const WCHAR* text = AsWchar(units);
  LutemIMEArray<CCandidateListItem> list;
  *list.Append() = {{2, text}};
  *list.Append() = {{3, text}};
  *list.Append() = {{2, text}};
  *list.Append() = {{0, nullptr}};
  *list.Append() = {{0, text}};
  RemoveDuplicateCandidates(&list);
  EXPECT_EQ(Texts(list), (std::vector<std::u16string>{u"ab", u"abc", u""}));
  RemoveDuplicateCandidates(nullptr);
}

TEST(CandidateList, FreesOnlyTheTextsItOwnsWhenEmptied) {
  static const char16_t units[] = u"engine";
  const WCHAR* borrowed = AsWchar(units);
  LutemIMEArray<CCandidateListItem> list;
  *list.Append() = {{6, borrowed}};
  AppendCandidateCopy(&list, u"word");
  AppendCandidateCopy(&list, u"word");
  RemoveDuplicateCandidates(&list);
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.OwnedTextCount(), 2u);  // a dropped copy lives until the list is emptied
  EXPECT_EQ(list.GetAt(1)->View(), u"word");
  list.Clear();
  EXPECT_EQ(list.OwnedTextCount(), 0u);
  EXPECT_EQ(std::u16string(units), u"engine");
}

}  // namespace
