#include <set>

#include "FakeTextService.h"
#include "TsfFixture.h"

namespace tsftest {
namespace {

using SinksTest = TsfFixture;

template <class I>
I* Query(IUnknown* object, REFIID riid) {
  I* result = nullptr;
  EXPECT_EQ(object->QueryInterface(riid, reinterpret_cast<void**>(&result)), S_OK);
  return result;
}

TEST_F(SinksTest, CookiesAreDistinctAcrossSourcesAndForeignOnesAreUnknown) {
  ServiceRef service;
  ITfSource* threadSource = Query<ITfSource>(App().threadMgr(), IID_ITfSource);
  ITfContext* context = host::TsfApplication::TopContext(App().CreateDocument());
  ITfSource* contextSource = Query<ITfSource>(context, IID_ITfSource);
  ITfCompartmentMgr* compartments =
      Query<ITfCompartmentMgr>(App().threadMgr(), IID_ITfCompartmentMgr);
  ITfCompartment* compartment = nullptr;
  compartments->GetCompartment(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, &compartment);
  ITfSource* compartmentSource = Query<ITfSource>(compartment, IID_ITfSource);

  DWORD cookies[4] = {};
  IUnknown* sink = static_cast<ITfThreadMgrEventSink*>(service.service);
  ASSERT_EQ(threadSource->AdviseSink(IID_ITfThreadMgrEventSink, sink, &cookies[0]), S_OK);
  ASSERT_EQ(threadSource->AdviseSink(IID_ITfThreadMgrEventSink, sink, &cookies[1]), S_OK);
  // The fake is no edit sink: the context's source asks and refuses it.
  EXPECT_EQ(contextSource->AdviseSink(IID_ITfTextEditSink, sink, &cookies[2]), E_NOINTERFACE);
  EXPECT_EQ(cookies[2], TF_INVALID_COOKIE);
  EXPECT_EQ(contextSource->AdviseSink(IID_ITfThreadMgrEventSink, sink, &cookies[2]),
            CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(compartmentSource->AdviseSink(IID_ITfCompartmentEventSink, nullptr, &cookies[3]),
            E_INVALIDARG);
  std::set<DWORD> distinct(cookies, cookies + 2);
  EXPECT_EQ(distinct.size(), 2u);
  EXPECT_EQ(host::LiveSinks().size(), 2u);

  EXPECT_EQ(contextSource->UnadviseSink(cookies[0]), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(compartmentSource->UnadviseSink(cookies[1]), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(threadSource->UnadviseSink(cookies[0]), S_OK);
  EXPECT_EQ(threadSource->UnadviseSink(cookies[0]), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(threadSource->UnadviseSink(cookies[1]), S_OK);
  EXPECT_EQ(service->refs(), 1u);

  compartmentSource->Release();
  compartment->Release();
  compartments->Release();
  contextSource->Release();
  threadSource->Release();
}

TEST_F(SinksTest, AFailureSwitchNamesTheInterface) {
  ServiceRef service;
  ITfSource* source = Query<ITfSource>(App().threadMgr(), IID_ITfSource);
  host::FailCall("ITfSource::AdviseSink:IID_ITfThreadFocusSink");
  DWORD focusCookie = 0;
  DWORD eventCookie = 0;
  EXPECT_EQ(source->AdviseSink(IID_ITfThreadFocusSink,
                               static_cast<ITfThreadFocusSink*>(service.service), &focusCookie),
            E_FAIL);
  EXPECT_EQ(focusCookie, TF_INVALID_COOKIE);
  ASSERT_EQ(source->AdviseSink(IID_ITfThreadMgrEventSink,
                               static_cast<ITfThreadMgrEventSink*>(service.service), &eventCookie),
            S_OK);
  EXPECT_EQ(host::LiveSinks().size(), 1u);
  EXPECT_EQ(host::LiveSinks()[0].cookie, eventCookie);
  EXPECT_EQ(source->UnadviseSink(eventCookie), S_OK);
  source->Release();
}

}  // namespace
}  // namespace tsftest
