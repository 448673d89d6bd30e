#include <thread>

#include "FakeTextService.h"
#include "TsfFixture.h"
#include "msctf/ThreadMgr.h"

namespace tsftest {
namespace {

using ThreadMgrTest = TsfFixture;
using ::testing::ElementsAre;

ITfThreadMgr* NewReference() {
  ITfThreadMgr* threadMgr = nullptr;
  EXPECT_EQ(platform::ThreadMgr::CreateInstance(nullptr, IID_ITfThreadMgr,
                                                reinterpret_cast<void**>(&threadMgr)),
            S_OK);
  return threadMgr;
}

TEST_F(ThreadMgrTest, EachThreadHasOneThreadManager) {
  ITfThreadMgr* again = NewReference();
  EXPECT_EQ(again, App().threadMgr());
  again->Release();

  ITfThreadMgr* other = nullptr;
  std::thread([&] {
    ITfThreadMgr* mine = NewReference();
    other = mine;
    EXPECT_EQ(platform::ThreadMgr::Current(), mine);
    mine->Release();
    EXPECT_EQ(platform::ThreadMgr::Current(), nullptr);
  }).join();
  EXPECT_NE(other, App().threadMgr());

  IUnknown* outer = App().threadMgr();
  void* object = reinterpret_cast<void*>(1);
  EXPECT_EQ(platform::ThreadMgr::CreateInstance(outer, IID_ITfThreadMgr, &object),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(object, nullptr);
}

TEST_F(ThreadMgrTest, EveryManagerInterfaceIsTheSameObject) {
  const IID* iids[] = {&IID_ITfSource,        &IID_ITfSourceSingle,   &IID_ITfKeystrokeMgr,
                       &IID_ITfCompartmentMgr, &IID_ITfLangBarItemMgr, &IID_ITfUIElementMgr};
  for (const IID* iid : iids) {
    IUnknown* part = nullptr;
    ASSERT_EQ(App().threadMgr()->QueryInterface(*iid, reinterpret_cast<void**>(&part)), S_OK);
    IUnknown* identity = nullptr;
    ASSERT_EQ(part->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    EXPECT_EQ(identity, static_cast<IUnknown*>(App().threadMgr()));
    identity->Release();
    part->Release();
  }
  host::FailCall("ITfThreadMgr::QueryInterface:IID_ITfKeystrokeMgr");
  void* keystrokes = nullptr;
  EXPECT_EQ(App().threadMgr()->QueryInterface(IID_ITfKeystrokeMgr, &keystrokes), E_NOINTERFACE);
  EXPECT_EQ(keystrokes, nullptr);
}

TEST_F(ThreadMgrTest, FocusChangesTellTheSinksNewAndPrevious) {
  ServiceRef service;
  ASSERT_EQ(App().ActivateTextService(kFakeServiceClsid, service.service), S_OK);
  ITfDocumentMgr* first = App().CreateDocument();
  ITfDocumentMgr* second = App().CreateDocument();
  service->log.clear();

  ITfDocumentMgr* focus = reinterpret_cast<ITfDocumentMgr*>(1);
  EXPECT_EQ(App().threadMgr()->GetFocus(&focus), S_OK);
  EXPECT_EQ(focus, nullptr);

  EXPECT_EQ(App().threadMgr()->SetFocus(first), S_OK);
  EXPECT_EQ(App().threadMgr()->SetFocus(first), S_OK);  // no change, no notice
  EXPECT_EQ(App().threadMgr()->SetFocus(second), S_OK);
  App().Focus(nullptr);
  EXPECT_EQ(App().threadMgr()->SetFocus(nullptr), E_INVALIDARG);
  EXPECT_THAT(service->log, ElementsAre("OnSetFocus doc null", "OnSetFocus doc doc",
                                        "OnSetFocus null doc"));

  App().Focus(second);
  ASSERT_EQ(App().threadMgr()->GetFocus(&focus), S_OK);
  EXPECT_EQ(focus, second);
  focus->Release();

  host::FailCall("ITfThreadMgr::GetFocus");
  EXPECT_EQ(App().threadMgr()->GetFocus(&focus), E_FAIL);
  EXPECT_EQ(focus, nullptr);
}

TEST_F(ThreadMgrTest, ThreadFocusReachesTheThreadFocusSinks) {
  ServiceRef service;
  ASSERT_EQ(App().ActivateTextService(kFakeServiceClsid, service.service), S_OK);
  service->log.clear();
  BOOL focused = FALSE;
  EXPECT_EQ(App().threadMgr()->IsThreadFocus(&focused), S_OK);
  EXPECT_TRUE(focused);
  App().SetThreadFocus(false);
  App().SetThreadFocus(false);
  App().SetThreadFocus(true);
  EXPECT_THAT(service->log, ElementsAre("OnKillThreadFocus", "OnSetThreadFocus"));
}

TEST_F(ThreadMgrTest, ContextStacksNotifyAndAnswerEmptyWithNull) {
  ServiceRef service;
  ASSERT_EQ(App().ActivateTextService(kFakeServiceClsid, service.service), S_OK);
  ITfDocumentMgr* document = App().CreateEmptyDocument();
  service->log.clear();

  ITfContext* top = reinterpret_cast<ITfContext*>(1);
  EXPECT_EQ(document->GetTop(&top), S_OK);
  EXPECT_EQ(top, nullptr);
  IEnumTfContexts* contexts = nullptr;
  ASSERT_EQ(document->EnumContexts(&contexts), S_OK);
  ITfContext* fetched[2] = {};
  ULONG count = 9;
  EXPECT_EQ(contexts->Next(1, fetched, &count), S_FALSE);
  EXPECT_EQ(count, 0u);
  contexts->Release();

  ITfContext* base = App().PushContext(document);
  ITfContext* upper = App().PushContext(document);
  ASSERT_NE(base, nullptr);
  ASSERT_NE(upper, nullptr);
  EXPECT_EQ(App().PushContext(document), nullptr);  // two deep at most
  EXPECT_EQ(host::TsfApplication::TopContext(document), upper);

  ASSERT_EQ(document->EnumContexts(&contexts), S_OK);
  EXPECT_EQ(contexts->Next(2, fetched, &count), S_OK);
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(fetched[0], base);
  EXPECT_EQ(fetched[1], upper);
  fetched[0]->Release();
  fetched[1]->Release();
  contexts->Release();

  ITfDocumentMgr* owner = nullptr;
  ASSERT_EQ(upper->GetDocumentMgr(&owner), S_OK);
  EXPECT_EQ(owner, document);
  owner->Release();

  EXPECT_EQ(document->Pop(TF_POPF_ALL), S_OK);
  EXPECT_EQ(document->Pop(0), E_FAIL);
  EXPECT_THAT(service->log,
              ElementsAre("OnInitDocumentMgr", "OnPushContext", "OnPushContext", "OnPopContext",
                          "OnPopContext", "OnUninitDocumentMgr"));
}

TEST_F(ThreadMgrTest, AContextOfAnotherDocumentIsRefused) {
  ITfDocumentMgr* one = App().CreateDocument();
  ITfDocumentMgr* other = App().CreateEmptyDocument();
  EXPECT_EQ(other->Push(host::TsfApplication::TopContext(one)), E_INVALIDARG);
  EXPECT_EQ(other->Push(nullptr), E_INVALIDARG);
}

}  // namespace
}  // namespace tsftest
