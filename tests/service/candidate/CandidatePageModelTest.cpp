#include <gtest/gtest.h>

#include <vector>

#include "service/candidate/CandidatePageModel.h"

namespace {

using Starts = std::vector<UINT>;

// A list of n items just shown by a candidate update, seven to a page.
CandidatePageModel Shown(UINT n) {
  CandidatePageModel model(7);
  model.SetItemCount(n);
  EXPECT_EQ(model.SetPageIndexFromCount(n), S_OK);
  return model;
}

// What a paint shows: FillLastPage on the current page, then the rows.
struct Painted {
  HRESULT fill;
  UINT page;
  std::vector<UINT> items;
};

Painted Paint(CandidatePageModel& model) {
  Painted painted{E_UNEXPECTED, 0, {}};
  if (!model.CurrentPage(&painted.page)) return painted;
  UINT first = 0;
  painted.fill = model.FillLastPage(&painted.page, &first);
  for (UINT row = 0; row < model.PageSize(); ++row) {
    UINT item = 0;
    if (model.ItemAtRow(row, &item)) {
      EXPECT_EQ(item, first + row);
      painted.items.push_back(item);
    }
  }
  return painted;
}

std::vector<UINT> Range(UINT from, UINT to) {
  std::vector<UINT> items;
  for (UINT i = from; i <= to; ++i) items.push_back(i);
  return items;
}

TEST(CandidatePageModel, NewListIsLaidOutInWholePagesPlusOne) {
  struct Case {
    UINT n;
    Starts starts;
  } cases[] = {
      {0, {0}}, {5, {0}}, {7, {0, 7}}, {10, {0, 7}}, {14, {0, 7, 14}}, {20, {0, 7, 14}},
  };
  for (const Case& c : cases) EXPECT_EQ(Shown(c.n).PageStarts(), c.starts) << "N = " << c.n;

  CandidatePageModel ten = Shown(10);
  Painted painted = Paint(ten);
  EXPECT_EQ(painted.fill, E_FAIL);  // a full first page is left alone
  EXPECT_EQ(painted.page, 0u);
  EXPECT_EQ(painted.items, Range(0, 6));
  EXPECT_EQ(ten.PageCount(), 2u);  // two page dots
}

TEST(CandidatePageModel, RebuildMakesTheSelectionBeginAPage) {
  struct Case {
    UINT n, s;
    Starts starts;
  } cases[] = {
      {20, 7, {0, 7, 14, 21}},
      {10, 9, {0, 2, 9}},
      {23, 9, {0, 2, 9, 16, 23}},  // the last start reaches N: an empty page
      {20, 0, {0, 7, 14}},
      {7, 0, {0}},
      {10, 3, {0, 3}},
      {20, 4, {0, 4, 11, 18}},
  };
  for (const Case& c : cases) {
    CandidatePageModel model = Shown(c.n);
    model.SetSelection(c.s);
    EXPECT_TRUE(model.RebuildPagesAroundSelection());
    EXPECT_EQ(model.PageStarts(), c.starts) << "N = " << c.n << ", S = " << c.s;
  }

  CandidatePageModel fewer = Shown(5);
  fewer.SetSelection(3);
  EXPECT_TRUE(fewer.RebuildPagesAroundSelection());
  EXPECT_EQ(fewer.PageStarts(), Starts{0});
}

TEST(CandidatePageModel, SelectionPastTheItemsIsNotLaidOut) {
  // An application may set any selection; laying pages out up to it would
  // allocate for every index below it.
  CandidatePageModel model = Shown(10);
  model.SetSelection(0xFFFFFFF0);
  EXPECT_FALSE(model.RebuildPagesAroundSelection());
  EXPECT_EQ(model.PageStarts(), (Starts{0, 7}));
}

TEST(CandidatePageModel, CurrentPageIsTheLastStartNotPastTheSelection) {
  CandidatePageModel model(7);
  model.SetItemCount(23);
  UINT page = 99;
  EXPECT_FALSE(model.CurrentPage(&page));
  const UINT starts[] = {0, 2, 9, 16, 23};
  ASSERT_EQ(model.SetPageIndex(starts, 5), S_OK);
  struct Case {
    UINT s, page;
  } cases[] = {{0, 0}, {1, 0}, {2, 1}, {8, 1}, {9, 2}, {22, 3}, {23, 4}, {500, 4}};
  for (const Case& c : cases) {
    model.SetSelection(c.s);
    ASSERT_TRUE(model.CurrentPage(&page));
    EXPECT_EQ(page, c.page) << "S = " << c.s;
  }
}

TEST(CandidatePageModel, EndFillsTheShortLastPageUnlessAnArrowPinnedIt) {
  CandidatePageModel model = Shown(10);
  ASSERT_TRUE(model.JumpSelection(0xFFFFFFFF));
  EXPECT_EQ(model.Selection(), 9u);
  EXPECT_EQ(model.PageStarts(), (Starts{0, 2, 9}));
  Painted painted = Paint(model);
  EXPECT_EQ(painted.fill, S_OK);
  EXPECT_EQ(model.PageStarts(), (Starts{0, 3}));
  EXPECT_EQ(painted.page, 1u);
  EXPECT_EQ(painted.items, Range(3, 9));  // item 9 on the last row
  EXPECT_EQ(model.Selection(), 9u);

  CandidatePageModel pinned = Shown(10);
  ASSERT_TRUE(pinned.WrapSelection(+1));  // an arrow key
  ASSERT_TRUE(pinned.JumpSelection(0xFFFFFFFF));
  painted = Paint(pinned);
  EXPECT_EQ(painted.fill, E_FAIL);
  EXPECT_EQ(pinned.PageStarts(), (Starts{0, 2, 9}));
  EXPECT_EQ(painted.page, 2u);
  EXPECT_EQ(painted.items, Starts{9});
}

TEST(CandidatePageModel, PageDownKeepsTheRowOrTakesTheLastItem) {
  CandidatePageModel model = Shown(10);
  ASSERT_TRUE(model.MovePage(+1));
  EXPECT_TRUE(model.PagesPinned());  // from the top of a page
  EXPECT_EQ(model.Selection(), 7u);
  Painted painted = Paint(model);
  EXPECT_EQ(painted.fill, E_FAIL);
  EXPECT_EQ(painted.items, Range(7, 9));

  CandidatePageModel fromMiddle = Shown(10);
  fromMiddle.SetSelection(3);
  ASSERT_TRUE(fromMiddle.MovePage(+1));
  EXPECT_FALSE(fromMiddle.PagesPinned());
  EXPECT_EQ(fromMiddle.Selection(), 9u);
  painted = Paint(fromMiddle);
  EXPECT_EQ(painted.fill, S_OK);
  EXPECT_EQ(fromMiddle.PageStarts(), (Starts{0, 3}));
  EXPECT_EQ(painted.items, Range(3, 9));
  EXPECT_FALSE(fromMiddle.PagesPinned());

  ASSERT_TRUE(fromMiddle.MovePage(-1));
  EXPECT_EQ(fromMiddle.Selection(), 6u);  // the same row, one page up
}

TEST(CandidatePageModel, PageMoveToTheEmptyPageOfAFullListStaysOnTheFirst) {
  CandidatePageModel model = Shown(7);
  EXPECT_EQ(model.PageStarts(), (Starts{0, 7}));
  ASSERT_TRUE(model.MovePage(+1));
  EXPECT_EQ(model.Selection(), 6u);
  UINT page = 99;
  ASSERT_TRUE(model.CurrentPage(&page));
  EXPECT_EQ(page, 0u);
}

TEST(CandidatePageModel, PageMovesStopAtEitherEnd) {
  CandidatePageModel model = Shown(10);
  EXPECT_TRUE(model.MovePage(0));
  EXPECT_FALSE(model.MovePage(-1));
  model.SetSelection(8);
  EXPECT_FALSE(model.MovePage(+1));
  EXPECT_EQ(model.Selection(), 8u);

  CandidatePageModel none(7);
  EXPECT_FALSE(none.MovePage(+1));
}

TEST(CandidatePageModel, WindowStepStopsAtTheEndsWhereTheListElementWraps) {
  CandidatePageModel model = Shown(10);
  EXPECT_FALSE(model.MoveSelection(-1));
  EXPECT_EQ(model.Selection(), 0u);
  model.SetSelection(9);
  EXPECT_FALSE(model.MoveSelection(+1));
  EXPECT_EQ(model.Selection(), 9u);

  CandidatePageModel wrapping = Shown(10);
  EXPECT_TRUE(wrapping.WrapSelection(-1));
  EXPECT_EQ(wrapping.Selection(), 9u);
  EXPECT_TRUE(wrapping.WrapSelection(+1));
  EXPECT_EQ(wrapping.Selection(), 0u);
  EXPECT_TRUE(wrapping.PagesPinned());
  EXPECT_EQ(wrapping.PageStarts(), (Starts{0, 7}));  // not laid out again

  CandidatePageModel empty = Shown(0);
  EXPECT_FALSE(empty.WrapSelection(+1));
  EXPECT_FALSE(empty.MoveSelection(+1));
}

TEST(CandidatePageModel, WindowStepRebuildsExceptWithinAShortEndPage) {
  CandidatePageModel model = Shown(20);
  model.SetSelection(3);
  ASSERT_TRUE(model.MoveSelection(+1));
  EXPECT_EQ(model.Selection(), 4u);
  EXPECT_EQ(model.PageStarts(), (Starts{0, 4, 11, 18}));
  EXPECT_FALSE(model.PagesPinned());

  // Page [7, 10) is short: a step inside it pins and keeps the layout.
  CandidatePageModel inShort = Shown(10);
  inShort.SetSelection(7);
  ASSERT_TRUE(inShort.MoveSelection(+1));
  EXPECT_EQ(inShort.Selection(), 8u);
  EXPECT_TRUE(inShort.PagesPinned());
  EXPECT_EQ(inShort.PageStarts(), (Starts{0, 7}));

  // Leaving it backwards pins too, and lays the pages out around item 6.
  CandidatePageModel leaving = Shown(10);
  leaving.SetSelection(7);
  ASSERT_TRUE(leaving.MoveSelection(-1));
  EXPECT_EQ(leaving.Selection(), 6u);
  EXPECT_TRUE(leaving.PagesPinned());
  EXPECT_EQ(leaving.PageStarts(), (Starts{0, 6}));
}

TEST(CandidatePageModel, JumpRefusesAnIndexPastTheItems) {
  CandidatePageModel model = Shown(10);
  model.SetSelection(4);
  EXPECT_FALSE(model.JumpSelection(10));
  EXPECT_EQ(model.Selection(), 4u);
  EXPECT_TRUE(model.JumpSelection(0));
  EXPECT_EQ(model.PageStarts(), (Starts{0, 7}));
  EXPECT_FALSE(Shown(0).JumpSelection(0xFFFFFFFF));
}

TEST(CandidatePageModel, ShortPageAnswers) {
  struct Case {
    UINT n, s;
    Starts starts;
    HRESULT result;
    BOOL isShort;
  } cases[] = {
      {10, 0, {}, S_FALSE, FALSE},
      {10, 0, {0, 7}, S_OK, FALSE},
      {10, 8, {0, 7}, S_OK, TRUE},
      {10, 3, {0, 2, 9}, S_OK, FALSE},  // a middle page never is
      {5, 0, {0}, S_OK, FALSE},         // N < P: never
      {7, 0, {0}, S_OK, FALSE},
  };
  for (const Case& c : cases) {
    CandidatePageModel model(7);
    model.SetItemCount(c.n);
    model.SetSelection(c.s);
    ASSERT_EQ(model.SetPageIndex(c.starts.data(), static_cast<UINT>(c.starts.size())), S_OK);
    BOOL isShort = 99;
    EXPECT_EQ(model.IsLastPageShort(&isShort), c.result) << "N = " << c.n << ", S = " << c.s;
    EXPECT_EQ(isShort, c.isShort) << "N = " << c.n << ", S = " << c.s;
  }
}

TEST(CandidatePageModel, FirstPageThatStartsLateIsLaidOutFromItemZero) {
  CandidatePageModel model(7);
  model.SetItemCount(10);
  const UINT starts[] = {4, 8};
  ASSERT_EQ(model.SetPageIndex(starts, 2), S_OK);
  model.SetSelection(5);
  UINT page = 0;
  UINT first = 99;
  EXPECT_EQ(model.FillLastPage(&page, &first), S_OK);
  EXPECT_EQ(model.PageStarts(), (Starts{0, 7}));
  EXPECT_EQ(first, 4u);  // this paint still draws from the old start
  EXPECT_EQ(model.Selection(), 5u);
}

TEST(CandidatePageModel, ClearingKeepsThePinnedFlag) {
  CandidatePageModel model = Shown(10);
  model.WrapSelection(+1);
  model.Clear();
  EXPECT_EQ(model.ItemCount(), 0u);
  EXPECT_EQ(model.Selection(), 0u);
  EXPECT_TRUE(model.PageStarts().empty());
  EXPECT_TRUE(model.PagesPinned());
}

TEST(CandidatePageModel, AnyPageStartsAnApplicationSetsStaySafe) {
  CandidatePageModel model(7);
  model.SetItemCount(3);
  EXPECT_EQ(model.SetPageIndex(nullptr, 2), E_INVALIDARG);
  EXPECT_EQ(model.SetPageIndex(nullptr, 0), S_OK);
  EXPECT_TRUE(model.PageStarts().empty());

  const UINT huge[] = {0xFFFFFFFF};
  ASSERT_EQ(model.SetPageIndex(huge, 1), S_OK);
  UINT item = 99;
  EXPECT_FALSE(model.ItemAtRow(1, &item));  // 0xFFFFFFFF + 1 must not wrap to item 0
  UINT page = 0;
  UINT first = 0;
  model.FillLastPage(&page, &first);
  EXPECT_FALSE(model.ItemAtRow(0, &item));

  // A page move over an empty list never leaves the selection at -1.
  CandidatePageModel empty(7);
  const UINT starts[] = {0, 5};
  ASSERT_EQ(empty.SetPageIndex(starts, 2), S_OK);
  ASSERT_TRUE(empty.MovePage(+1));
  EXPECT_EQ(empty.Selection(), 0u);

  page = 7;
  EXPECT_EQ(empty.FillLastPage(&page, &first), E_FAIL);  // no such page
}

TEST(CandidatePageModel, PageSizeBelowOneCountsAsOne) {
  CandidatePageModel model(0);
  EXPECT_EQ(model.PageSize(), 1u);
  model.SetItemCount(3);
  ASSERT_EQ(model.SetPageIndexFromCount(3), S_OK);
  EXPECT_EQ(model.PageStarts(), (Starts{0, 1, 2, 3}));
  model.SetSelection(2);
  EXPECT_TRUE(model.RebuildPagesAroundSelection());
  EXPECT_TRUE(model.MovePage(-1));
}

}  // namespace
