// Edit sessions on the stand-in: when each request runs under each grant,
// nesting, OnEndEdit and its asynchronous-only rule, read-only documents,
// the queue and the host's pump.
#include "TextFixture.h"
#include "host/user32/MessagePump.h"

namespace tsftest {
namespace {

using host::EditSessionGrant;
using ::testing::ElementsAre;

struct EditSessionTest : TextFixture {
  // Requests a session that logs name when it runs.
  HRESULT Logged(const std::string& name, DWORD flags) {
    return Request(
        [this, name](TfEditCookie) {
          order.push_back(name);
          return S_OK;
        },
        flags);
  }
  std::vector<std::string> order;
};

struct GrantCase {
  EditSessionGrant grant;
  DWORD flags;
  HRESULT result;  // *phrSession; S_OK: ran before the request returned
  bool queued;
};

const DWORD kSync = TF_ES_SYNC | TF_ES_READWRITE;
const DWORD kDontCare = TF_ES_ASYNCDONTCARE | TF_ES_READWRITE;
const DWORD kAsync = TF_ES_ASYNC | TF_ES_READWRITE;

const GrantCase kGrantCases[] = {
    {EditSessionGrant::Immediate, kSync, S_OK, false},
    {EditSessionGrant::Immediate, kDontCare, S_OK, false},
    {EditSessionGrant::Immediate, kAsync, TF_S_ASYNC, true},
    {EditSessionGrant::Deferred, kSync, S_OK, false},
    {EditSessionGrant::Deferred, kDontCare, TF_S_ASYNC, true},
    {EditSessionGrant::Deferred, kAsync, TF_S_ASYNC, true},
    {EditSessionGrant::RefuseSynchronous, kSync, TF_E_SYNCHRONOUS, false},
    {EditSessionGrant::RefuseSynchronous, TF_ES_SYNC | TF_ES_READ, TF_E_SYNCHRONOUS, false},
    {EditSessionGrant::RefuseSynchronous, kDontCare, TF_S_ASYNC, true},
    {EditSessionGrant::RefuseSynchronous, kAsync, TF_S_ASYNC, true},
};

TEST_F(EditSessionTest, EachGrantRunsQueuesOrRefusesEachKindOfRequest) {
  for (const GrantCase& c : kGrantCases) {
    SCOPED_TRACE(::testing::Message() << "grant " << static_cast<int>(c.grant) << " flags "
                                      << c.flags);
    host::SetEditSessionGrant(c.grant);
    order.clear();
    EXPECT_EQ(Logged("session", c.flags), c.result);
    EXPECT_EQ(order.size(), c.result == S_OK ? 1u : 0u);
    EXPECT_EQ(host::PendingEditSessionCount(), c.queued ? 1u : 0u);
    EXPECT_EQ(host::RunPendingEditSessions(), c.queued ? 1 : 0);
    EXPECT_EQ(order.size(), c.result == TF_E_SYNCHRONOUS ? 0u : 1u);
  }
}

TEST_F(EditSessionTest, TheSessionsResultComesBackAndBadRequestsAreRefused) {
  EXPECT_EQ(Request([](TfEditCookie) { return static_cast<HRESULT>(0x00041234); }), 0x00041234);
  LambdaSession* session = new LambdaSession([](TfEditCookie) { return S_OK; });
  HRESULT result = S_OK;
  for (DWORD flags : {DWORD{TF_ES_SYNC}, DWORD{TF_ES_SYNC | TF_ES_ASYNC | TF_ES_READ}}) {
    EXPECT_EQ(context->RequestEditSession(App().clientId(), session, flags, &result), E_INVALIDARG);
  }
  EXPECT_EQ(context->RequestEditSession(App().clientId(), nullptr, kSync, &result), E_INVALIDARG);
  EXPECT_EQ(context->RequestEditSession(App().clientId(), session, kSync, nullptr), E_INVALIDARG);
  host::FailCall("ITfContext::RequestEditSession");
  EXPECT_EQ(context->RequestEditSession(App().clientId(), session, kAsync, &result), E_FAIL);
  EXPECT_EQ(host::PendingEditSessionCount(), 0u);
  EXPECT_EQ(session->runs, 0);
  session->Release();
}

TEST_F(EditSessionTest, SynchronousRequestsRunBeforeTheWaitingOnesWhichRunInOrder) {
  Logged("first async", kAsync);
  Logged("second async", kAsync);
  Logged("sync", kSync);
  EXPECT_THAT(order, ElementsAre("sync"));
  EXPECT_EQ(host::RunPendingEditSessions(), 2);
  EXPECT_THAT(order, ElementsAre("sync", "first async", "second async"));
}

TEST_F(EditSessionTest, TheHostHoldsAWaitingSessionUntilItRuns) {
  LambdaSession* session = new LambdaSession([](TfEditCookie) { return S_OK; });
  HRESULT result = S_OK;
  context->RequestEditSession(App().clientId(), session, kAsync, &result);
  EXPECT_EQ(session->refs(), 2u);
  host::RunPendingEditSessions();
  EXPECT_EQ(session->runs, 1);
  EXPECT_EQ(session->refs(), 1u);
  session->Release();
}

TEST_F(EditSessionTest, ASynchronousRequestInsideASessionRunsNestedInEveryGrant) {
  for (EditSessionGrant grant : {EditSessionGrant::Immediate, EditSessionGrant::Deferred,
                                 EditSessionGrant::RefuseSynchronous}) {
    host::SetEditSessionGrant(grant);
    order.clear();
    EXPECT_EQ(Request(
                  [&](TfEditCookie outer) {
                    EXPECT_EQ(Request([&](TfEditCookie inner) {
                                EXPECT_NE(inner, outer);
                                // The outer session is still running, so its cookie works.
                                ComPtr<ITfRange> start;
                                EXPECT_EQ(context->GetStart(outer, start.Receive()), S_OK);
                                order.push_back("nested");
                                return S_OK;
                              }),
                              S_OK);
                    EXPECT_EQ(Logged("nested write", kSync), S_OK);
                    EXPECT_EQ(Logged("queued", kDontCare), TF_S_ASYNC);
                    order.push_back("outer");
                    return S_OK;
                  },
                  kAsync),
              TF_S_ASYNC);
    host::RunPendingEditSessions();
    EXPECT_THAT(order, ElementsAre("nested", "nested write", "outer", "queued"));
  }
  // A read lock is not enough for a nested writer.
  host::SetEditSessionGrant(EditSessionGrant::Immediate);
  EXPECT_EQ(Request(
                [&](TfEditCookie) {
                  EXPECT_EQ(Logged("write in read", kSync), TF_E_SYNCHRONOUS);
                  EXPECT_EQ(Logged("read in read", TF_ES_SYNC | TF_ES_READ), S_OK);
                  return S_OK;
                },
                TF_ES_SYNC | TF_ES_READ),
            S_OK);
}

TEST_F(EditSessionTest, OnEndEditFollowsEveryReadWriteSessionAndSaysWhetherTheSelectionMoved) {
  Load(u"abc", 3);
  Edit([](TfEditCookie) {});
  Request([](TfEditCookie) { return S_OK; }, TF_ES_SYNC | TF_ES_READ);
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> caret = RangeAt(ec, 1, 1);
    TF_SELECTION selection{caret.get(), {TF_AE_NONE, FALSE}};
    context->SetSelection(ec, 1, &selection);
  });
  // A session that puts the selection back where it was has not moved it.
  Edit([&](TfEditCookie ec) {
    ComPtr<ITfRange> span = RangeAt(ec, 0, 2);
    ComPtr<ITfRange> caret = RangeAt(ec, 1, 1);
    TF_SELECTION selection{span.get(), {TF_AE_END, FALSE}};
    context->SetSelection(ec, 1, &selection);
    selection.range = caret.get();
    selection.style.ase = TF_AE_NONE;
    context->SetSelection(ec, 1, &selection);
  });
  EXPECT_THAT(client->log, ElementsAre("OnEndEdit still", "OnEndEdit moved", "OnEndEdit still"));
}

TEST_F(EditSessionTest, ChangesAskedForInOnEndEditMustWaitEvenUnderTheImmediateGrant) {
  HRESULT sync = S_OK, syncRead = S_OK, dontCare = S_OK;
  TfEditCookie endEditCookie = TF_INVALID_EDIT_COOKIE;
  client->onEndEdit = [&](ITfContext*, TfEditCookie ec) {
    client->onEndEdit = nullptr;
    endEditCookie = ec;
    sync = Logged("sync", kSync);
    syncRead = Logged("sync read", TF_ES_SYNC | TF_ES_READ);
    dontCare = Logged("later", kDontCare);
    // The read-only cookie reads and cannot write.
    ComPtr<ITfRange> start;
    EXPECT_EQ(context->GetStart(ec, start.Receive()), S_OK);
    EXPECT_EQ(start->SetText(ec, 0, u"x", 1), TF_E_NOLOCK);
  };
  Edit([](TfEditCookie) {});
  EXPECT_EQ(sync, TF_E_SYNCHRONOUS);
  EXPECT_EQ(syncRead, TF_E_SYNCHRONOUS);
  EXPECT_EQ(dontCare, TF_S_ASYNC);
  EXPECT_TRUE(order.empty());
  host::RunPendingEditSessions();
  EXPECT_THAT(order, ElementsAre("later"));
  ComPtr<ITfRange> start;
  EXPECT_EQ(context->GetStart(endEditCookie, start.Receive()), TF_E_NOLOCK);
}

TEST_F(EditSessionTest, AReadOnlyDocumentRefusesWritesAndDropsWaitingWriters) {
  host::SetDocumentReadOnly(context, true);
  TF_STATUS status{};
  context->GetStatus(&status);
  EXPECT_EQ(status.dwDynamicFlags, static_cast<DWORD>(TS_SD_READONLY));
  EXPECT_EQ(Logged("write", kSync), TS_E_READONLY);
  EXPECT_EQ(Logged("read", TF_ES_SYNC | TF_ES_READ), S_OK);
  host::SetDocumentReadOnly(context, false);
  EXPECT_EQ(Logged("queued write", kAsync), TF_S_ASYNC);
  host::SetDocumentReadOnly(context, true);
  host::RunPendingEditSessions();
  EXPECT_THAT(order, ElementsAre("read"));
}

TEST_F(EditSessionTest, InWriteSessionIsTrueOnlyWhileTheClientsWriteLockIsHeld) {
  BOOL inside = FALSE, during = TRUE;
  Edit([&](TfEditCookie) { context->InWriteSession(App().clientId(), &inside); });
  Request(
      [&](TfEditCookie) {
        context->InWriteSession(App().clientId(), &during);
        return S_OK;
      },
      TF_ES_SYNC | TF_ES_READ);
  BOOL outside = TRUE;
  context->InWriteSession(App().clientId(), &outside);
  EXPECT_TRUE(inside);
  EXPECT_FALSE(during);
  EXPECT_FALSE(outside);
}

TEST_F(EditSessionTest, PoppingTheContextDropsItsWaitingSessions) {
  LambdaSession* session = new LambdaSession([](TfEditCookie) { return S_OK; });
  HRESULT result;
  context->RequestEditSession(App().clientId(), session, kAsync, &result);
  client->Unadvise();
  document->Pop(0);
  EXPECT_EQ(host::PendingEditSessionCount(), 0u);
  EXPECT_EQ(session->refs(), 1u);
  EXPECT_EQ(session->runs, 0);
  session->Release();
}

LRESULT CALLBACK PumpOrderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
EditSessionTest* pumpTest = nullptr;

LRESULT CALLBACK PumpOrderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_APP) return DefWindowProcW(window, message, wParam, lParam);
  pumpTest->order.push_back("message");
  pumpTest->Logged("session", kAsync);
  return 0;
}

TEST_F(EditSessionTest, ThePumpDeliversMessagesThenRunsSessionsThenReplaysSentInput) {
  pumpTest = this;
  WNDCLASSW wc{};
  wc.lpfnWndProc = PumpOrderProc;
  wc.lpszClassName = u"EditSessionPumpOrder";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, u"EditSessionPumpOrder", u"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, nullptr, nullptr);
  PostMessageW(window, WM_APP, 0, 0);
  Logged("waiting", kAsync);
  INPUT key{};
  key.type = INPUT_KEYBOARD;
  key.ki.wVk = 'Q';
  SendInput(1, &key, sizeof(INPUT));
  EXPECT_TRUE(host::ApplicationKeyMessages().empty());
  host::PumpMessages();
  EXPECT_THAT(order, ElementsAre("message", "waiting", "session"));
  ASSERT_EQ(host::ApplicationKeyMessages().size(), 2u);  // WM_KEYDOWN, WM_CHAR
  EXPECT_EQ(host::DocumentText(context), u"q");
  EXPECT_EQ(host::PendingEditSessionCount(), 0u);
  DestroyWindow(window);
}

}  // namespace
}  // namespace tsftest
