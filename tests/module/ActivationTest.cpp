// Activation and deactivation of the text service as TSF runs them: what
// each step leaves on the thread manager, what a failed step undoes, and
// what a second activation finds.
#include <gmock/gmock.h>

#include <algorithm>
#include <chrono>
#include <map>

#include "FakeSettingsServer.h"
#include "TextServiceFixture.h"
#include "service/langbar/PreservedKeyGuids.h"

namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

std::vector<std::string> LiveSinkNames() {
  std::vector<std::string> names;
  for (const host::LiveSink& sink : host::LiveSinks()) names.push_back(sink.source + " " + sink.iid);
  return names;
}

class ActivationTest : public TextServiceFixture {};

TEST_F(ActivationTest, AdvisesEverySinkAndSetsUpTheEngineAfterTheSettings) {
  FakeSettingsServer server;
  server.Store(u"CurrentLayout", u"3");
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);

  EXPECT_EQ(server.Requests().front(), u"LOAD_ALL") << "the settings come first";
  EXPECT_EQ(host::CallCount("_wfopen_s"), 1) << "the theme file is read once";
  EXPECT_THAT(LiveSinkNames(),
              UnorderedElementsAre(
                  "ITfThreadMgr IID_ITfThreadMgrEventSink", "ITfContext IID_ITfTextEditSink",
                  "ITfKeystrokeMgr IID_ITfKeyEventSink",
                  "ITfThreadMgr IID_ITfActiveLanguageProfileNotifySink",
                  "ITfThreadMgr IID_ITfThreadFocusSink", "ITfSourceSingle IID_ITfFunctionProvider",
                  // the button's watch and the engine's two
                  "ITfThreadMgr compartment GUID_COMPARTMENT_KEYBOARD_OPENCLOSE "
                  "IID_ITfCompartmentEventSink",
                  "ITfThreadMgr compartment GUID_COMPARTMENT_KEYBOARD_OPENCLOSE "
                  "IID_ITfCompartmentEventSink",
                  "ITfThreadMgr compartment GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION "
                  "IID_ITfCompartmentEventSink"));
  EXPECT_EQ(host::CallCount("ITfCategoryMgr::RegisterGUID"), 2);

  std::vector<host::PreservedKey> keys = host::PreservedKeys();
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].guid, GUID_PreservedKey_OpenClose);
  EXPECT_EQ(keys[0].key.uVKey, static_cast<UINT>(VK_SPACE));
  EXPECT_EQ(keys[0].key.uModifiers, static_cast<UINT>(TF_MOD_CONTROL));
  EXPECT_EQ(keys[0].description, u"Toggle Keyboard (Ctrl+Space)");
  EXPECT_EQ(keys[1].guid, GUID_PreservedKey_CandidateWindow);
  EXPECT_EQ(keys[1].key.uVKey, static_cast<UINT>('C'));
  EXPECT_EQ(keys[1].key.uModifiers, static_cast<UINT>(TF_MOD_CONTROL | TF_MOD_SHIFT));
  EXPECT_EQ(keys[1].description, u"Toggle Candidate Window (Ctrl+Shift+C)");
  EXPECT_EQ(keys[0].clientId, App().TextServiceClientId(CLSID_TextService));

  std::vector<host::LangBarItem> items = host::LangBarItems();
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].info.guidItem, GUID_LBI_INPUTMODE);
  EXPECT_EQ(items[0].info.clsidService, CLSID_TextService);
  EXPECT_EQ(items[0].info.dwStyle, 0x10002u);
  EXPECT_EQ(std::u16string(AsChar16(items[0].info.szDescription)), u"Conversion mode");

  EXPECT_EQ(OpenClose(), 1);
  EXPECT_EQ(Compartment(GUID_LBI_INPUTMODE), 1);
  EXPECT_EQ(Compartment(GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION), TF_CONVERSIONMODE_NATIVE)
      << "the native bit follows the open keyboard";

  ITfFunctionProvider* provider = Service<ITfFunctionProvider>(IID_ITfFunctionProvider);
  ASSERT_NE(provider, nullptr);
  GUID type = GUID_NULL;
  EXPECT_EQ(provider->GetType(&type), S_OK);
  EXPECT_EQ(type, CLSID_TextService);
  provider->Release();

  // The engine's dictionary thread asks for the learned pairs on a thread of
  // its own; deactivation waits for it.
  ASSERT_EQ(Deactivate(), S_OK);
  std::vector<std::u16string> others;
  for (const host::PipeClientWrite& write : host::PipeClientWritesSince(pipeMark_)) {
    if (write.threadId != GetCurrentThreadId()) others.push_back(write.Text());
  }
  EXPECT_THAT(others, ElementsAre(u"LOAD_USER_DICT"));
}

TEST_F(ActivationTest, DeactivationWaitsForTheDictionaryThreadAndLeavesNothingBehind) {
  FakeSettingsServer server;
  server.Delay(u"LOAD_USER_DICT", std::chrono::milliseconds(300));
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  ASSERT_TRUE(Eventually([&] {
    std::vector<std::u16string> requests = server.Requests();
    return std::count(requests.begin(), requests.end(), u"LOAD_USER_DICT") == 1;
  }));
  uint64_t mark = host::PipeTrafficMark();

  ASSERT_EQ(Deactivate(), S_OK);
  EXPECT_TRUE(host::LiveSinks().empty()) << host::LiveSinks().front().source;
  EXPECT_TRUE(host::PreservedKeys().empty());
  EXPECT_TRUE(host::LangBarItems().empty());
  EXPECT_TRUE(host::PipeClientWritesSince(mark).empty());
  // The text service object is gone once TSF lets it go: nothing of it
  // holds the module, not even its own function provider.
  EXPECT_TRUE(Eventually([&] { return module_.CanUnloadNow() == S_OK; }));
}

// Each step of ActivateEx made to fail in turn: the activation gives E_FAIL
// and undoes every step before it.
TEST_F(ActivationTest, AFailedStepDeactivatesAgainWithNothingLeft) {
  struct Case {
    const char* call;
    int nth;
  } cases[] = {
      {"ITfThreadMgr::QueryInterface:IID_ITfSource", 1},
      {"ITfSource::AdviseSink:IID_ITfThreadMgrEventSink", 1},
      {"ITfThreadMgr::QueryInterface:IID_ITfKeystrokeMgr", 1},
      {"ITfKeystrokeMgr::AdviseKeyEventSink", 1},
      {"ITfThreadMgr::QueryInterface:IID_ITfSource", 2},
      {"ITfSource::AdviseSink:IID_ITfActiveLanguageProfileNotifySink", 1},
      {"ITfSource::AdviseSink:IID_ITfThreadFocusSink", 1},
      {"CoCreateInstance:CLSID_TF_CategoryMgr", 1},
      {"ITfCategoryMgr::RegisterGUID", 1},
      {"ITfCategoryMgr::RegisterGUID", 2},
      {"ITfThreadMgr::QueryInterface:IID_ITfSourceSingle", 1},
      {"ITfSourceSingle::AdviseSingleSink:IID_ITfFunctionProvider", 1},
      {"CoCreateInstance:CLSID_TF_InputProcessorProfiles", 1},
      {"ITfInputProcessorProfiles::GetCurrentLanguage", 1},
      {"ITfInputProcessorProfiles::GetDefaultLanguageProfile", 1},
  };
  FakeSettingsServer server;
  FocusNewDocument();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.call) + " #" + std::to_string(c.nth));
    host::ClearFailures();
    host::FailCall(c.call, c.nth);
    size_t requestsBefore = server.Requests().size();
    EXPECT_EQ(Activate(), E_FAIL);
    EXPECT_EQ(host::CallCount("_wfopen_s"), 1);
    EXPECT_EQ(server.Requests().at(requestsBefore), u"LOAD_ALL");
    EXPECT_THAT(LiveSinkNames(), ElementsAre());
    EXPECT_TRUE(host::PreservedKeys().empty());
    EXPECT_TRUE(host::LangBarItems().empty());
    EXPECT_EQ(App().TextServiceClientId(CLSID_TextService), TF_CLIENTID_NULL);
  }
  host::ClearFailures();
  EXPECT_EQ(Activate(), S_OK) << "a later activation is whole";
  EXPECT_EQ(host::PreservedKeys().size(), 2u);
}

TEST_F(ActivationTest, TheEngineGoesOnWithoutWhatTsfRefusesIt) {
  FakeSettingsServer server;
  FocusNewDocument();
  host::FailCall("ITfKeystrokeMgr::PreserveKey", 1, 0);
  host::FailCall("ITfLangBarItemMgr::AddItem");
  ASSERT_EQ(Activate(), S_OK);
  EXPECT_TRUE(host::PreservedKeys().empty());
  EXPECT_TRUE(host::LangBarItems().empty());
  EXPECT_EQ(OpenClose(), 1);
  ASSERT_EQ(Deactivate(), S_OK);
  EXPECT_TRUE(host::LiveSinks().empty()) << host::LiveSinks().front().source;
}

TEST_F(ActivationTest, ActivatingAgainCreatesNothingTwice) {
  FakeSettingsServer server;
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  std::vector<std::string> sinks = LiveSinkNames();
  ASSERT_EQ(Deactivate(), S_OK);
  ASSERT_EQ(Activate(), S_OK);
  EXPECT_EQ(LiveSinkNames().size(), sinks.size());
  EXPECT_EQ(host::PreservedKeys().size(), 2u);
  EXPECT_EQ(host::LangBarItems().size(), 1u);

  // TSF telling of the same profile again changes nothing.
  auto dictionaryRequests = [&] {
    std::vector<std::u16string> requests = server.Requests();
    return std::count(requests.begin(), requests.end(), u"LOAD_USER_DICT");
  };
  ASSERT_TRUE(Eventually([&] { return dictionaryRequests() == 2; }));
  App().NotifyProfileActivated(CLSID_TextService, GUID_KeyboardProfile, true);
  host::PumpMessages();
  EXPECT_EQ(host::PreservedKeys().size(), 2u);
  EXPECT_EQ(host::LangBarItems().size(), 1u);
  EXPECT_EQ(LiveSinkNames().size(), sinks.size());
  ASSERT_EQ(Deactivate(), S_OK);  // waits for any dictionary thread
  EXPECT_EQ(dictionaryRequests(), 2) << "no dictionary thread for the same profile";
}

TEST_F(ActivationTest, AnotherDefaultProfileSetsTheEngineUpAgainOnce) {
  FakeSettingsServer server;
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  std::vector<std::string> sinks = LiveSinkNames();
  const GUID otherProfile = {0x1234, 0x5678, 0x9abc, {1, 2, 3, 4, 5, 6, 7, 8}};
  host::SetDefaultProfile(0x0845, GUID_TFCAT_TIP_KEYBOARD, CLSID_TextService, otherProfile);

  App().NotifyProfileActivated(CLSID_TextService, otherProfile, true);
  host::PumpMessages();
  EXPECT_EQ(host::PreservedKeys().size(), 2u);
  EXPECT_EQ(host::LangBarItems().size(), 1u);
  EXPECT_EQ(LiveSinkNames(), sinks);
  EXPECT_EQ(OpenClose(), 1);

  ASSERT_EQ(Deactivate(), S_OK);
  std::vector<std::u16string> requests = server.Requests();
  EXPECT_EQ(std::count(requests.begin(), requests.end(), u"LOAD_USER_DICT"), 2)
      << "one dictionary thread per set-up, the first waited for";
}

TEST_F(ActivationTest, WithoutASettingsServerActivationKeepsTheDefaults) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  EXPECT_EQ(host::PreservedKeys().size(), 2u);
  EXPECT_EQ(OpenClose(), 1);
  ASSERT_TRUE(host::PressChord("Ctrl+Space"));
  host::PumpMessages();
  EXPECT_EQ(OpenClose(), 0) << "the host stays responsive";
}

TEST_F(ActivationTest, ASilentSettingsServerCostsOneTimeOutAndNoMore) {
  FakeSettingsServer server(FakeSettingsServer::Mode::Silent);
  FocusNewDocument();
  auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(Activate(), S_OK);
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed, std::chrono::seconds(5)) << "the pipe client gives up after its time-out";
  EXPECT_EQ(host::PreservedKeys().size(), 2u);
  ASSERT_TRUE(host::PressChord("Ctrl+Space"));
  host::PumpMessages();
  EXPECT_EQ(OpenClose(), 0);
}

}  // namespace
