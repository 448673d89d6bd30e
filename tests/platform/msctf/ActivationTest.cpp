#include "FakeTextService.h"
#include "TsfFixture.h"
#include "host/msctf/PreservedKeys.h"
#include "ole32/BuiltInClasses.h"

namespace tsftest {
namespace {

using ActivationTest = TsfFixture;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

TEST_F(ActivationTest, ActivateExGetsAFreshClientIdAndDeactivateLeavesNothing) {
  ServiceRef service;
  TfClientId clientId = TF_CLIENTID_NULL;
  ASSERT_EQ(App().ActivateTextService(kFakeServiceClsid, service.service, TF_TMAE_SECUREMODE,
                                      &clientId),
            S_OK);
  EXPECT_NE(clientId, TF_CLIENTID_NULL);
  EXPECT_NE(clientId, App().clientId());
  EXPECT_EQ(service->clientId, clientId);
  EXPECT_EQ(service->threadMgr, App().threadMgr());
  EXPECT_EQ(App().TextServiceClientId(kFakeServiceClsid), clientId);
  EXPECT_THAT(LiveSinkNames(),
              UnorderedElementsAre("ITfThreadMgr IID_ITfThreadMgrEventSink",
                                   "ITfThreadMgr IID_ITfThreadFocusSink",
                                   "ITfThreadMgr IID_ITfActiveLanguageProfileNotifySink",
                                   "ITfSourceSingle IID_ITfFunctionProvider",
                                   "ITfKeystrokeMgr IID_ITfKeyEventSink"));
  EXPECT_EQ(host::PreservedKeys().size(), 1u);
  EXPECT_EQ(App().ActivateTextService(kFakeServiceClsid, service.service), S_FALSE);

  EXPECT_EQ(App().DeactivateTextService(kFakeServiceClsid), S_OK);
  EXPECT_EQ(App().DeactivateTextService(kFakeServiceClsid), E_INVALIDARG);
  EXPECT_TRUE(host::LiveSinks().empty());
  EXPECT_TRUE(host::PreservedKeys().empty());
  EXPECT_EQ(service->refs(), 1u);  // only the test's own
  EXPECT_THAT(service->log, ElementsAre("ActivateEx", "KeySinkFocus TRUE", "Deactivate"));
}

TEST_F(ActivationTest, AFailedActivateExReleasesTheService) {
  for (int step = FakeTextService::kThreadMgrSink; step <= FakeTextService::kHotkey; ++step) {
    SCOPED_TRACE(step);
    ServiceRef service;
    service->failAtStep = step;
    EXPECT_EQ(App().ActivateTextService(kFakeServiceClsid, service.service), E_FAIL);
    EXPECT_EQ(App().TextServiceClientId(kFakeServiceClsid), TF_CLIENTID_NULL);
    EXPECT_EQ(service->refs(), 1u);
    EXPECT_TRUE(host::LiveSinks().empty());
    EXPECT_TRUE(host::PreservedKeys().empty());
  }
}

TEST_F(ActivationTest, AServiceThatForgetsASinkShowsInTheLiveSinks) {
  ServiceRef service;
  ASSERT_EQ(App().ActivateTextService(kFakeServiceClsid, service.service), S_OK);
  ITfSource* source = nullptr;
  App().threadMgr()->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(&source));
  DWORD cookie = TF_INVALID_COOKIE;
  ASSERT_EQ(source->AdviseSink(IID_ITfThreadFocusSink,
                               static_cast<ITfThreadFocusSink*>(service.service), &cookie),
            S_OK);
  App().DeactivateTextService(kFakeServiceClsid);
  EXPECT_THAT(LiveSinkNames(), ElementsAre("ITfThreadMgr IID_ITfThreadFocusSink"));
  EXPECT_EQ(source->UnadviseSink(cookie), S_OK);
  source->Release();
}

TEST_F(ActivationTest, ApplicationDeactivationDeactivatesEveryService) {
  ServiceRef service;
  ASSERT_EQ(App().ActivateTextService(kFakeServiceClsid, service.service), S_OK);
  App().Focus(App().CreateDocument());
  App().NotifyProfileActivated(kFakeServiceClsid, GUID_NULL, false);
  app.reset();
  EXPECT_THAT(service->log, ElementsAre("ActivateEx", "KeySinkFocus TRUE", "OnInitDocumentMgr",
                                        "OnPushContext", "OnSetFocus doc null",
                                        "OnActivated FALSE", "Deactivate"));
  EXPECT_EQ(service->refs(), 1u);
}

TEST_F(ActivationTest, TheFunctionProviderIsFoundByTheServicesClass) {
  ServiceRef service;
  ASSERT_EQ(App().ActivateTextService(kFakeServiceClsid, service.service), S_OK);
  ITfFunctionProvider* provider = nullptr;
  ASSERT_EQ(App().threadMgr()->GetFunctionProvider(kFakeServiceClsid, &provider), S_OK);
  EXPECT_EQ(provider, static_cast<ITfFunctionProvider*>(service.service));
  provider->Release();
  EXPECT_EQ(App().threadMgr()->GetFunctionProvider(GUID_NULL, &provider), TF_E_NOPROVIDER);

  ITfSourceSingle* single = nullptr;
  App().threadMgr()->QueryInterface(IID_ITfSourceSingle, reinterpret_cast<void**>(&single));
  EXPECT_EQ(single->AdviseSingleSink(service->clientId, IID_ITfFunctionProvider,
                                     static_cast<ITfFunctionProvider*>(service.service)),
            CONNECT_E_ADVISELIMIT);
  EXPECT_EQ(single->AdviseSingleSink(service->clientId, IID_ITfThreadFocusSink,
                                     static_cast<ITfFunctionProvider*>(service.service)),
            CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(single->UnadviseSingleSink(service->clientId + 100, IID_ITfFunctionProvider),
            CONNECT_E_NOCONNECTION);
  single->Release();
}

// The fake as a class CoCreateInstance can make, so that activation by class
// runs as for a registered text service.
const CLSID kMadeServiceClsid = {
    0x4c0a1d22, 0x6b3e, 0x4e51, {0x9a, 0x10, 0x2f, 0x7d, 0x61, 0x05, 0xe4, 0x03}};
FakeTextService* lastMade = nullptr;

HRESULT MakeFakeService(IUnknown* outer, REFIID riid, void** object) {
  lastMade = new FakeTextService;
  HRESULT hr = lastMade->QueryInterface(riid, object);
  lastMade->Release();
  return hr;
}

[[maybe_unused]] const bool registered = [] {
  platform::RegisterBuiltInClass(kMadeServiceClsid, "FakeTextService", &MakeFakeService);
  return true;
}();

TEST_F(ActivationTest, AServiceIsMadeByItsClassThenActivated) {
  const CLSID unknown = {9, 9, 9, {9, 9, 9, 9, 9, 9, 9, 9}};
  EXPECT_EQ(App().ActivateTextService(unknown), REGDB_E_CLASSNOTREG);

  TfClientId clientId = TF_CLIENTID_NULL;
  ASSERT_EQ(App().ActivateTextService(kMadeServiceClsid, 0, &clientId), S_OK);
  ASSERT_NE(lastMade, nullptr);
  EXPECT_EQ(lastMade->clientId, clientId);
  EXPECT_EQ(host::LiveSinks().size(), 5u);
  EXPECT_EQ(App().DeactivateTextService(kMadeServiceClsid), S_OK);
  EXPECT_TRUE(host::LiveSinks().empty());

  host::FailCall("CoCreateInstance:FakeTextService");
  EXPECT_EQ(App().ActivateTextService(kMadeServiceClsid), E_OUTOFMEMORY);
}

TEST_F(ActivationTest, CoCreateInstanceGivesTheThreadsOwnThreadManager) {
  ITfThreadMgr* made = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_TF_ThreadMgr, nullptr, CLSCTX_INPROC_SERVER, IID_ITfThreadMgr,
                             reinterpret_cast<void**>(&made)),
            S_OK);
  EXPECT_EQ(made, App().threadMgr());
  made->Release();
}

}  // namespace
}  // namespace tsftest
