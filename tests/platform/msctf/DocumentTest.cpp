// A context's document on the stand-in: the application's typing and
// caret, the selection as a text service reads and sets it, and
// InsertTextAtSelection.
#include "TextFixture.h"

namespace tsftest {
namespace {

using ::testing::ElementsAre;

struct DocumentTest : TextFixture {};

TEST_F(DocumentTest, TheApplicationTypesAtTheSelectionAndTellsTheEditSinks) {
  Load(u"hello", 5);
  host::TypeText(u"!");
  host::SelectText(context, 0, 1);
  host::PressChord("Shift+j");
  EXPECT_EQ(Text(), u"Jello!");
  EXPECT_EQ(host::SelectionOf(context).start, 1);
  // Backspace takes the unit before the caret with its surrogate partner,
  // or a selected stretch; Escape types nothing.
  host::ApplicationTypes(context, u"\U0001F600\b");
  EXPECT_EQ(Text(), u"Jello!");
  host::SelectText(context, 1, 3);
  host::ApplicationTypes(context, u"\b\x1b");
  EXPECT_EQ(Text(), u"Jlo!");
  host::MoveCaret(context, 4);
  host::ApplicationTypes(context, u"\b");
  EXPECT_EQ(Text(), u"Jlo");
  EXPECT_EQ(client->log.size(), 10u);  // one per change, the emoji two units
  EXPECT_THAT(client->log, ::testing::Each(std::string("OnEndEdit moved")));
}

TEST_F(DocumentTest, MovingTheCaretTellsTheSinksOnlyWhenItMoves) {
  Load(u"abc", 1);
  host::MoveCaret(context, 1);
  host::MoveCaret(context, 99);
  EXPECT_EQ(host::SelectionOf(context).start, 3);
  EXPECT_THAT(client->log, ElementsAre("OnEndEdit moved"));
}

TEST_F(DocumentTest, AReadOnlyDocumentTakesNoTyping) {
  Load(u"abc", 3);
  host::SetDocumentReadOnly(context, true);
  host::ApplicationTypes(context, u"d\b");
  EXPECT_EQ(Text(), u"abc");
  EXPECT_TRUE(client->log.empty());
}

TEST_F(DocumentTest, ASessionReadsAndSetsTheOneSelectionWithItsActiveEnd) {
  Load(u"abcdef", 2);
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> range = RangeAt(ec, 1, 4);
    TF_SELECTION selection{range.get(), {TF_AE_START, FALSE}};
    ASSERT_EQ(context->SetSelection(ec, 1, &selection), S_OK);
    EXPECT_EQ(context->SetSelection(ec, 0, &selection), E_INVALIDARG);
    TF_SELECTION read[2] = {};
    ULONG fetched = 0;
    ASSERT_EQ(context->GetSelection(ec, 0, 2, read, &fetched), S_OK);
    ASSERT_EQ(fetched, 1u);
    EXPECT_EQ(Offsets(read[0].range), Offs(1, 4));
    EXPECT_EQ(read[0].style.ase, TF_AE_START);
    read[0].range->Release();
    EXPECT_EQ(context->GetSelection(ec, 1, 1, read, &fetched), S_OK);
    EXPECT_EQ(fetched, 0u);
  });
  host::DocumentSelection selection = host::SelectionOf(context);
  EXPECT_EQ(Offs(selection.start, selection.end), Offs(1, 4));
  // Setting the selection wants a read/write lock.
  EXPECT_EQ(Request(
                [&](TfEditCookie ec) {
                  ComPtr<ITfRange> range = Selection(ec);
                  TF_SELECTION selection{range.get(), {TF_AE_NONE, FALSE}};
                  return context->SetSelection(ec, 1, &selection);
                },
                TF_ES_SYNC | TF_ES_READ),
            TF_E_NOLOCK);
}

TEST_F(DocumentTest, InsertTextAtSelectionQueriesOrReplacesTheSelection) {
  Load(u"abcdef", 0);
  host::SelectText(context, 2, 4);
  ComPtr<ITfInsertAtSelection> insert = Query<ITfInsertAtSelection>(IID_ITfInsertAtSelection);
  ASSERT_TRUE(insert);
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> query;
    ASSERT_EQ(insert->InsertTextAtSelection(ec, TF_IAS_QUERYONLY, nullptr, 0, query.Receive()),
              S_OK);
    EXPECT_EQ(Offsets(query.get()), Offs(2, 4));
    ComPtr<ITfRange> inserted;
    ASSERT_EQ(insert->InsertTextAtSelection(ec, 0, u"XYZ", 3, inserted.Receive()), S_OK);
    EXPECT_EQ(Offsets(inserted.get()), Offs(2, 5));
    EXPECT_EQ(insert->InsertTextAtSelection(ec, TF_IAS_QUERYONLY | TF_IAS_NOQUERY, nullptr, 0,
                                            nullptr),
              E_INVALIDARG);
  });
  EXPECT_EQ(Text(), u"abXYZef");
  host::DocumentSelection caret = host::SelectionOf(context);
  EXPECT_EQ(Offs(caret.start, caret.end), Offs(5, 5));
}

}  // namespace
}  // namespace tsftest
