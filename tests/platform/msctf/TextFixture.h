// A focused document with a text client advised on its context, for tests
// of the text store, ranges, compositions, properties, views and edit
// sessions. Sessions run under the grant a test sets; the grant goes back
// to Immediate at the end.
#pragma once

#include <string>

#include "LambdaSession.h"
#include "TextClient.h"
#include "TsfFixture.h"
#include "host/msctf/Documents.h"
#include "host/msctf/EditSessions.h"
#include "host/msctf/Views.h"
#include "msctf/ComPtr.h"

namespace tsftest {

using platform::ComPtr;
// [start, end) of a range.
using Offs = std::pair<LONG, LONG>;

struct TextFixture : TsfFixture {
  void SetUp() override {
    TsfFixture::SetUp();
    document = App().CreateDocument();
    App().Focus(document);
    context = host::TsfApplication::TopContext(document);
    client = new TextClient;
    client->Advise(context);
  }
  void TearDown() override {
    client->Unadvise();
    client->Release();
    host::SetEditSessionGrant(host::EditSessionGrant::Immediate);
    TsfFixture::TearDown();
  }

  // Requests a session running body; the request's own result must be
  // S_OK, and *phrSession is returned.
  HRESULT Request(std::function<HRESULT(TfEditCookie)> body,
                  DWORD flags = TF_ES_SYNC | TF_ES_READWRITE, ITfContext* on = nullptr) {
    LambdaSession* session = new LambdaSession(std::move(body));
    HRESULT result = E_FAIL;
    HRESULT hr = (on ? on : context)->RequestEditSession(App().clientId(), session, flags, &result);
    session->Release();
    EXPECT_EQ(hr, S_OK);
    return result;
  }
  // A synchronous read/write session that must run.
  void Edit(std::function<void(TfEditCookie)> body) {
    ASSERT_EQ(Request([&](TfEditCookie ec) {
                body(ec);
                return S_OK;
              }),
              S_OK);
  }
  void Load(const std::u16string& text, LONG caret) {
    host::LoadDocument(context, text, caret);
    client->log.clear();
    client->noticeContexts.clear();
  }
  std::u16string Text() { return host::DocumentText(context); }
  // The offsets of a range, or (-1, -1) for none.
  static Offs Offsets(ITfRange* range) { return host::RangeOffsets(range).value_or(Offs(-1, -1)); }
  ComPtr<ITfRange> Selection(TfEditCookie ec) {
    TF_SELECTION selection{};
    ULONG fetched = 0;
    EXPECT_EQ(context->GetSelection(ec, TF_DEFAULT_SELECTION, 1, &selection, &fetched), S_OK);
    return ComPtr<ITfRange>::Adopt(fetched == 1 ? selection.range : nullptr);
  }
  // A range [start, end) made from the document's start.
  ComPtr<ITfRange> RangeAt(TfEditCookie ec, LONG start, LONG end) {
    ComPtr<ITfRange> range;
    EXPECT_EQ(context->GetStart(ec, range.Receive()), S_OK);
    LONG moved = 0;
    range->ShiftEnd(ec, end, &moved, nullptr);
    range->ShiftStart(ec, start, &moved, nullptr);
    return range;
  }
  template <class I>
  ComPtr<I> Query(REFIID iid, IUnknown* from = nullptr) {
    ComPtr<I> out;
    (from ? from : context)->QueryInterface(iid, reinterpret_cast<void**>(out.Receive()));
    return out;
  }

  ITfDocumentMgr* document = nullptr;
  ITfContext* context = nullptr;
  TextClient* client = nullptr;
};

}  // namespace tsftest
