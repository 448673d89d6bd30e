// Ranges on the stand-in: anchors that follow edits under the gravity
// rule, SetText, GetText, the compare and shift family, and cookies.
#include "TextFixture.h"

namespace tsftest {
namespace {

struct TextRangeTest : TextFixture {};

struct GravityCase {
  const char* name;
  LONG start, end;               // the watched range
  TfGravity startGravity, endGravity;
  LONG editStart, editEnd;       // replaced by "xyz"
  LONG wantStart, wantEnd;
};

// "0123456789"; every edit writes "xyz" (3 units) through another range.
const GravityCase kGravityCases[] = {
    {"insertion before moves it", 4, 6, TF_GRAVITY_BACKWARD, TF_GRAVITY_FORWARD, 1, 1, 7, 9},
    {"insertion after leaves it", 4, 6, TF_GRAVITY_BACKWARD, TF_GRAVITY_FORWARD, 8, 8, 4, 6},
    {"backward start takes in text at its start", 4, 6, TF_GRAVITY_BACKWARD, TF_GRAVITY_FORWARD, 4,
     4, 4, 9},
    {"forward start lets text at its start go before it", 4, 6, TF_GRAVITY_FORWARD,
     TF_GRAVITY_FORWARD, 4, 4, 7, 9},
    {"forward end takes in text at its end", 4, 6, TF_GRAVITY_BACKWARD, TF_GRAVITY_FORWARD, 6, 6,
     4, 9},
    {"backward end leaves text at its end out", 4, 6, TF_GRAVITY_BACKWARD, TF_GRAVITY_BACKWARD, 6,
     6, 4, 6},
    {"an empty range with the default gravity takes in what is inserted in it", 5, 5,
     TF_GRAVITY_BACKWARD, TF_GRAVITY_FORWARD, 5, 5, 5, 8},
    {"an empty backward range stays before the insertion", 5, 5, TF_GRAVITY_BACKWARD,
     TF_GRAVITY_BACKWARD, 5, 5, 5, 5},
    {"an empty forward range goes after the insertion", 5, 5, TF_GRAVITY_FORWARD,
     TF_GRAVITY_FORWARD, 5, 5, 8, 8},
    {"a range ending where a replacement starts keeps out of it", 0, 2, TF_GRAVITY_BACKWARD,
     TF_GRAVITY_FORWARD, 2, 4, 0, 2},
    {"a range starting where a replacement ends keeps out of it", 4, 6, TF_GRAVITY_BACKWARD,
     TF_GRAVITY_FORWARD, 2, 4, 5, 7},
    {"a range replaced whole covers the new text", 2, 4, TF_GRAVITY_BACKWARD, TF_GRAVITY_FORWARD,
     2, 4, 2, 5},
    {"a range inside a replacement spreads over the new text", 3, 4, TF_GRAVITY_BACKWARD,
     TF_GRAVITY_FORWARD, 2, 6, 2, 5},
    {"a range inside a replacement with inverted gravity collapses", 3, 4, TF_GRAVITY_FORWARD,
     TF_GRAVITY_BACKWARD, 2, 6, 2, 2},
    {"a range overlapping a replacement keeps its outer end", 1, 4, TF_GRAVITY_BACKWARD,
     TF_GRAVITY_FORWARD, 3, 6, 1, 6},
};

TEST_F(TextRangeTest, AnchorsFollowEditsByTheGravityRule) {
  for (const GravityCase& c : kGravityCases) {
    SCOPED_TRACE(c.name);
    Load(u"0123456789", 0);
    Edit([&](TfEditCookie ec) {
      ComPtr<ITfRange> watched = RangeAt(ec, c.start, c.end);
      ASSERT_EQ(watched->SetGravity(ec, c.startGravity, c.endGravity), S_OK);
      ComPtr<ITfRange> edit = RangeAt(ec, c.editStart, c.editEnd);
      ASSERT_EQ(edit->SetText(ec, 0, u"xyz", 3), S_OK);
      EXPECT_EQ(Offsets(edit.get()), std::make_pair(c.editStart, c.editStart + 3));
      EXPECT_EQ(Offsets(watched.get()), std::make_pair(c.wantStart, c.wantEnd));
    });
  }
}

TEST_F(TextRangeTest, ANewRangeHasBackwardStartAndForwardEndAndItsClonesKeepTheirGravity) {
  Load(u"abc", 1);
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> range = Selection(ec);
    TfGravity start, end;
    ASSERT_EQ(range->GetGravity(&start, &end), S_OK);
    EXPECT_EQ(start, TF_GRAVITY_BACKWARD);
    EXPECT_EQ(end, TF_GRAVITY_FORWARD);
    range->SetGravity(ec, TF_GRAVITY_FORWARD, TF_GRAVITY_BACKWARD);
    ComPtr<ITfRange> clone;
    ASSERT_EQ(range->Clone(clone.Receive()), S_OK);
    clone->GetGravity(&start, &end);
    EXPECT_EQ(start, TF_GRAVITY_FORWARD);
    EXPECT_EQ(end, TF_GRAVITY_BACKWARD);
    EXPECT_EQ(range->SetGravity(ec, static_cast<TfGravity>(7), TF_GRAVITY_FORWARD), E_INVALIDARG);
  });
}

TEST_F(TextRangeTest, SetTextCoversExactlyTheNewTextAndDeletesWithNothing) {
  Load(u"hello world", 0);
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> range = RangeAt(ec, 6, 11);
    ASSERT_EQ(range->SetText(ec, 0, u"there!", -1), S_OK);
    EXPECT_EQ(Offsets(range.get()), Offs(6, 12));
    ComPtr<ITfRange> hello = RangeAt(ec, 0, 6);
    ASSERT_EQ(hello->SetText(ec, 0, nullptr, 0), S_OK);
    BOOL empty = FALSE;
    hello->IsEmpty(ec, &empty);
    EXPECT_TRUE(empty);
    EXPECT_EQ(range->SetText(ec, 0, nullptr, 2), E_INVALIDARG);
  });
  EXPECT_EQ(Text(), u"there!");
}

TEST_F(TextRangeTest, GetTextCopiesWhatFitsAndCanMoveTheStartOrIgnoreTheEnd) {
  Load(u"abcdef", 0);
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> range = RangeAt(ec, 1, 4);
    WCHAR buffer[8] = {};
    ULONG copied = 0;
    ASSERT_EQ(range->GetText(ec, 0, buffer, 2, &copied), S_OK);
    EXPECT_EQ(std::u16string(buffer, copied), u"bc");
    ASSERT_EQ(range->GetText(ec, TF_TF_IGNOREEND, buffer, 8, &copied), S_OK);
    EXPECT_EQ(std::u16string(buffer, copied), u"bcdef");
    ASSERT_EQ(range->GetText(ec, TF_TF_MOVESTART, buffer, 2, &copied), S_OK);
    EXPECT_EQ(Offsets(range.get()), Offs(3, 4));
  });
}

TEST_F(TextRangeTest, CompareAndShiftToOtherRanges) {
  Load(u"abcdefgh", 0);
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> a = RangeAt(ec, 2, 5);
    ComPtr<ITfRange> b = RangeAt(ec, 3, 5);
    LONG result = 9;
    a->CompareStart(ec, b.get(), TF_ANCHOR_START, &result);
    EXPECT_EQ(result, -1);
    a->CompareEnd(ec, b.get(), TF_ANCHOR_END, &result);
    EXPECT_EQ(result, 0);
    b->CompareStart(ec, a.get(), TF_ANCHOR_END, &result);
    EXPECT_EQ(result, -1);
    BOOL equal = FALSE;
    a->IsEqualEnd(ec, b.get(), TF_ANCHOR_END, &equal);
    EXPECT_TRUE(equal);

    // The product's "start of the document up to the selection" range.
    ComPtr<ITfRange> start;
    context->GetStart(ec, start.Receive());
    ASSERT_EQ(start->ShiftEndToRange(ec, b.get(), TF_ANCHOR_START), S_OK);
    EXPECT_EQ(Offsets(start.get()), Offs(0, 3));
    // Moving the start past the end takes the end along.
    ASSERT_EQ(start->ShiftStartToRange(ec, a.get(), TF_ANCHOR_END), S_OK);
    EXPECT_EQ(Offsets(start.get()), Offs(5, 5));

    ComPtr<ITfRange> clone;
    a->Clone(clone.Receive());
    clone->Collapse(ec, TF_ANCHOR_END);
    EXPECT_EQ(Offsets(clone.get()), Offs(5, 5));
    EXPECT_EQ(Offsets(a.get()), Offs(2, 5));
    ComPtr<ITfContext> owner;
    clone->GetContext(owner.Receive());
    EXPECT_EQ(owner.get(), context);
  });
}

TEST_F(TextRangeTest, ShiftsStopAtTheEndsAndAtAHaltAnchorAndCarryTheOtherEnd) {
  Load(u"abcdefgh", 0);
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> range = RangeAt(ec, 2, 4);
    LONG moved = 0;
    range->ShiftEnd(ec, 100, &moved, nullptr);
    EXPECT_EQ(moved, 4);
    range->ShiftStart(ec, -100, &moved, nullptr);
    EXPECT_EQ(moved, -2);
    ComPtr<ITfRange> halt = RangeAt(ec, 5, 6);
    TF_HALTCOND cond{halt.get(), TF_ANCHOR_START, 0};
    range->ShiftStart(ec, 7, &moved, &cond);
    EXPECT_EQ(moved, 5);
    range->ShiftEnd(ec, -7, &moved, nullptr);
    EXPECT_EQ(Offsets(range.get()), Offs(1, 1));
  });
}

TEST_F(TextRangeTest, CookiesWorkOnlyInTheirOwnSessionAndReadOnlyOnesCannotWrite) {
  Load(u"abc", 0);
  ComPtr<ITfRange> kept;
  TfEditCookie oldCookie = TF_INVALID_EDIT_COOKIE;
  Edit([&](TfEditCookie ec) {
    kept = RangeAt(ec, 0, 1);
    oldCookie = ec;
  });
  WCHAR buffer[4];
  ULONG copied;
  EXPECT_EQ(kept->GetText(oldCookie, 0, buffer, 4, &copied), TF_E_NOLOCK);
  EXPECT_EQ(Request(
                [&](TfEditCookie ec) {
                  EXPECT_EQ(kept->GetText(ec, 0, buffer, 4, &copied), S_OK);
                  EXPECT_EQ(kept->SetText(ec, 0, u"x", 1), TF_E_NOLOCK);
                  ComPtr<ITfInsertAtSelection> insert =
                      Query<ITfInsertAtSelection>(IID_ITfInsertAtSelection);
                  ComPtr<ITfRange> inserted;
                  EXPECT_EQ(insert->InsertTextAtSelection(ec, 0, u"x", 1, inserted.Receive()),
                            TF_E_NOLOCK);
                  return S_OK;
                },
                TF_ES_SYNC | TF_ES_READ),
            S_OK);

  // Another document's cookie and ranges are not this one's.
  ITfDocumentMgr* other = App().CreateDocument();
  ITfContext* otherContext = host::TsfApplication::TopContext(other);
  EXPECT_EQ(Request(
                [&](TfEditCookie ec) {
                  EXPECT_EQ(kept->GetText(ec, 0, buffer, 4, &copied), TF_E_NOLOCK);
                  return S_OK;
                },
                TF_ES_SYNC | TF_ES_READWRITE, otherContext),
            S_OK);
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> mine = RangeAt(ec, 0, 0);
    LONG result;
    ComPtr<ITfRange> foreign;
    EXPECT_EQ(Request(
                  [&](TfEditCookie otherEc) {
                    otherContext->GetStart(otherEc, foreign.Receive());
                    return S_OK;
                  },
                  TF_ES_SYNC | TF_ES_READWRITE, otherContext),
              S_OK);
    EXPECT_EQ(mine->CompareStart(ec, foreign.get(), TF_ANCHOR_START, &result), E_INVALIDARG);
  });
}

}  // namespace
}  // namespace tsftest
