// Compositions on the stand-in: their start, their range growing where
// the text service writes, GUID_PROP_COMPOSING over their text, their end,
// and termination by the application.
#include "TextFixture.h"

namespace tsftest {
namespace {

using ::testing::ElementsAre;

struct CompositionTest : TextFixture {
  // Starts a composition over the selection, as a keyboard's first key
  // does; null when the start failed.
  ComPtr<ITfComposition> Start() {
    ComPtr<ITfComposition> composition;
    Edit([&](TfEditCookie ec) {
      ComPtr<ITfInsertAtSelection> insert = Query<ITfInsertAtSelection>(IID_ITfInsertAtSelection);
      ComPtr<ITfContextComposition> start = Query<ITfContextComposition>(IID_ITfContextComposition);
      ComPtr<ITfRange> range;
      insert->InsertTextAtSelection(ec, TF_IAS_QUERYONLY, nullptr, 0, range.Receive());
      start->StartComposition(ec, range.get(), client, composition.Receive());
    });
    return composition;
  }
  // Writes text at the selection through a range of its own, as the
  // product's write does when it finds no composing text.
  void WriteAtSelection(const std::u16string& text) {
    Edit([&](TfEditCookie ec) {
      ComPtr<ITfInsertAtSelection> insert = Query<ITfInsertAtSelection>(IID_ITfInsertAtSelection);
      ComPtr<ITfRange> range;
      insert->InsertTextAtSelection(ec, TF_IAS_QUERYONLY, nullptr, 0, range.Receive());
      range->SetText(ec, 0, text.c_str(), static_cast<LONG>(text.size()));
    });
  }
  Offs CompositionOffsets() {
    std::vector<host::CompositionInfo> open = host::Compositions(context);
    return open.size() == 1 ? Offs(open[0].start, open[0].end) : Offs(-1, -1);
  }
  std::vector<host::PropertyRun> Composing() {
    return host::PropertyRuns(context, GUID_PROP_COMPOSING);
  }
};

TEST_F(CompositionTest, AnEmptyCompositionTakesInTextWrittenAtItsPlace) {
  Load(u"ab", 1);
  ComPtr<ITfComposition> composition = Start();
  ASSERT_TRUE(composition);
  EXPECT_EQ(CompositionOffsets(), Offs(1, 1));
  EXPECT_EQ(host::Compositions(context)[0].owner, App().clientId());
  WriteAtSelection(u"xyz");
  EXPECT_EQ(Text(), u"axyzb");
  EXPECT_EQ(CompositionOffsets(), Offs(1, 4));
  ASSERT_EQ(Composing().size(), 3u);
  EXPECT_EQ(Composing()[1].start, 1);
  EXPECT_EQ(Composing()[1].end, 4);
  EXPECT_EQ(Composing()[1].type, VT_I4);
  EXPECT_EQ(Composing()[1].value, 1);

  // Rewriting the whole composed text through its own range keeps it whole,
  // and text typed next to it by another range stays out.
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> range;
    ASSERT_EQ(composition->GetRange(range.Receive()), S_OK);
    range->SetText(ec, 0, u"pq", 2);
    ComPtr<ITfRange> after = RangeAt(ec, 3, 4);
    after->SetText(ec, 0, u"B", 1);
  });
  EXPECT_EQ(Text(), u"apqB");
  EXPECT_EQ(CompositionOffsets(), Offs(1, 3));
}

TEST_F(CompositionTest, EndingKeepsTheTextClearsComposingAndLeavesNoRange) {
  Load(u"", 0);
  ComPtr<ITfComposition> composition = Start();
  WriteAtSelection(u"ami");
  Edit([&](TfEditCookie ec) { ASSERT_EQ(composition->EndComposition(ec), S_OK); });
  EXPECT_EQ(Text(), u"ami");
  EXPECT_TRUE(host::Compositions(context).empty());
  ASSERT_EQ(Composing().size(), 1u);
  EXPECT_EQ(Composing()[0].type, VT_EMPTY);
  ComPtr<ITfRange> range;
  EXPECT_EQ(composition->GetRange(range.Receive()), E_UNEXPECTED);
  Edit([&](TfEditCookie ec) { EXPECT_EQ(composition->EndComposition(ec), E_UNEXPECTED); });
  EXPECT_THAT(client->log, ::testing::Not(::testing::Contains("OnCompositionTerminated")));
}

TEST_F(CompositionTest, StartAndEndWantAWriteCookieAndCanBeMadeToFail) {
  Load(u"abc", 1);
  ComPtr<ITfContextComposition> start = Query<ITfContextComposition>(IID_ITfContextComposition);
  Request(
      [&](TfEditCookie ec) {
        ComPtr<ITfRange> range = Selection(ec);
        ComPtr<ITfComposition> composition;
        EXPECT_EQ(start->StartComposition(ec, range.get(), client, composition.Receive()),
                  TF_E_NOLOCK);
        EXPECT_FALSE(composition);
        return S_OK;
      },
      TF_ES_SYNC | TF_ES_READ);
  host::FailCall("ITfContextComposition::StartComposition");
  EXPECT_FALSE(Start());
  ComPtr<ITfComposition> composition = Start();
  ASSERT_TRUE(composition);
  host::FailCall("ITfComposition::EndComposition");
  Edit([&](TfEditCookie ec) { EXPECT_EQ(composition->EndComposition(ec), E_FAIL); });
  EXPECT_EQ(host::Compositions(context).size(), 1u);
  Request(
      [&](TfEditCookie ec) {
        EXPECT_EQ(composition->EndComposition(ec), TF_E_NOLOCK);
        return S_OK;
      },
      TF_ES_SYNC | TF_ES_READ);
  Edit([&](TfEditCookie ec) { EXPECT_EQ(composition->EndComposition(ec), S_OK); });
}

TEST_F(CompositionTest, TheApplicationEndsACompositionWithAWorkingWriteCookie) {
  Load(u"", 0);
  ComPtr<ITfComposition> composition = Start();
  WriteAtSelection(u"ami");
  client->log.clear();
  HRESULT queued = S_OK;
  client->onTerminated = [&](TfEditCookie ec, ITfComposition* ended) {
    EXPECT_EQ(ended, composition.get());
    // Still whole while its owner is told.
    ComPtr<ITfRange> range;
    ASSERT_EQ(ended->GetRange(range.Receive()), S_OK);
    EXPECT_EQ(Offsets(range.get()), Offs(0, 3));
    EXPECT_EQ(range->SetText(ec, 0, u"AMI", 3), S_OK);
    BOOL writing = FALSE;
    context->InWriteSession(App().clientId(), &writing);
    EXPECT_TRUE(writing);
    queued = Request([](TfEditCookie) { return S_OK; }, TF_ES_ASYNCDONTCARE | TF_ES_READWRITE);
  };
  EXPECT_EQ(host::TerminateCompositions(context), S_OK);
  EXPECT_THAT(client->log, ElementsAre("OnCompositionTerminated", "OnEndEdit still"));
  EXPECT_EQ(queued, TF_S_ASYNC);
  EXPECT_EQ(Text(), u"AMI");
  EXPECT_TRUE(host::Compositions(context).empty());
  ComPtr<ITfRange> range;
  EXPECT_EQ(composition->GetRange(range.Receive()), E_UNEXPECTED);
  EXPECT_EQ(host::TerminateCompositions(context), S_FALSE);
  host::RunPendingEditSessions();
}

TEST_F(CompositionTest, PoppingTheContextEndsItsCompositionsWithoutTheSink) {
  Load(u"", 0);
  ComPtr<ITfComposition> composition = Start();
  client->Unadvise();
  client->log.clear();
  document->Pop(0);
  EXPECT_TRUE(client->log.empty());
  ComPtr<ITfRange> range;
  EXPECT_EQ(composition->GetRange(range.Receive()), E_UNEXPECTED);
}

}  // namespace
}  // namespace tsftest
