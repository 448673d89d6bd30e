// One key's road on the stand-in: preserved keys, the key event sink's
// calls and their order, what reaches the application, and SendInput.
#include "FakeTextService.h"
#include "TsfFixture.h"
#include "host/msctf/PreservedKeys.h"

namespace tsftest {
namespace {

using ::testing::ElementsAre;

struct KeyRoadTest : TsfFixture {
  void SetUp() override {
    TsfFixture::SetUp();
    ASSERT_EQ(App().ActivateTextService(kFakeServiceClsid, service.service), S_OK);
    App().Focus(App().CreateDocument());
    service->log.clear();
  }
  std::vector<UINT> Messages() {
    std::vector<UINT> messages;
    for (const host::ApplicationKeyMessage& m : host::ApplicationKeyMessages()) {
      messages.push_back(m.message);
    }
    return messages;
  }
  ITfKeystrokeMgr* Keystrokes() {
    ITfKeystrokeMgr* keystrokes = nullptr;
    App().threadMgr()->QueryInterface(IID_ITfKeystrokeMgr, reinterpret_cast<void**>(&keystrokes));
    keystrokes->Release();  // the thread manager keeps it
    return keystrokes;
  }

  ServiceRef service;
};

TEST_F(KeyRoadTest, AnEatenKeyIsTestedThenHandledAndNeverReachesTheApplication) {
  service->eats = {'A'};
  host::PressKey('A');
  EXPECT_THAT(service->log,
              ElementsAre("OnTestKeyDown 41", "OnKeyDown 41", "OnTestKeyUp 41"));
  EXPECT_THAT(Messages(), ElementsAre(WM_KEYUP));
}

TEST_F(KeyRoadTest, AKeyNotEatenReachesTheApplicationWithItsCharacter) {
  host::PressChord("Shift+b");
  EXPECT_THAT(service->log, ElementsAre("OnTestKeyDown 10", "OnTestKeyDown 42", "OnTestKeyUp 42",
                                        "OnTestKeyUp 10"));
  EXPECT_THAT(Messages(), ElementsAre(WM_KEYDOWN, WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_KEYUP));
  EXPECT_EQ(host::ApplicationCharacters(), u"B");
}

TEST_F(KeyRoadTest, AnApplicationThatSkipsTheTestCallsKeyDownAlone) {
  host::SetKeyDelivery(host::KeyDelivery::KeyDownOnly);
  service->eats = {VK_RETURN};
  host::PressKey(VK_RETURN);
  host::PressKey(VK_TAB);
  EXPECT_THAT(service->log, ElementsAre("OnKeyDown 0D", "OnKeyUp 0D", "OnKeyDown 09", "OnKeyUp 09"));
  EXPECT_EQ(host::ApplicationCharacters(), u"\t");
}

TEST_F(KeyRoadTest, APreservedKeyGoesOnlyToOnPreservedKey) {
  ASSERT_EQ(host::PreservedKeys().size(), 1u);
  EXPECT_EQ(host::PreservedKeys()[0].description, u"On/Off");
  BSTR description = nullptr;
  ASSERT_EQ(Keystrokes()->GetPreservedKeyDescription(kFakeHotkeyGuid, &description), S_OK);
  EXPECT_EQ(std::u16string(AsChar16(description), SysStringLen(description)), u"On/Off");
  SysFreeString(description);
  host::PressChord("Ctrl+Space");
  host::PressChord("RCtrl+Space");
  EXPECT_THAT(service->log,
              ElementsAre("OnTestKeyDown 11", "OnPreservedKey hotkey", "OnTestKeyUp 20",
                          "OnTestKeyUp 11", "OnTestKeyDown 11", "OnPreservedKey hotkey",
                          "OnTestKeyUp 20", "OnTestKeyUp 11"));
  EXPECT_EQ(host::ApplicationCharacters(), u"");

  // More modifiers than the key names: not the preserved key.
  service->log.clear();
  host::PressChord("Ctrl+Shift+Space");
  EXPECT_THAT(service->log, testing::Contains("OnTestKeyDown 20"));
}

TEST_F(KeyRoadTest, PreservingTheSameKeyTwiceIsRefused) {
  const GUID other = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
  TF_PRESERVEDKEY ctrlSpace = {VK_SPACE, TF_MOD_CONTROL};
  TF_PRESERVEDKEY leftCtrlSpace = {VK_SPACE, TF_MOD_LCONTROL};
  ITfKeystrokeMgr* keystrokes = Keystrokes();
  EXPECT_EQ(keystrokes->PreserveKey(service->clientId, other, &ctrlSpace, nullptr, 0),
            TF_E_ALREADY_EXISTS);
  ASSERT_EQ(keystrokes->PreserveKey(service->clientId, other, &leftCtrlSpace, nullptr, 0), S_OK);
  BOOL registered = FALSE;
  EXPECT_EQ(keystrokes->IsPreservedKey(other, &leftCtrlSpace, &registered), S_OK);
  EXPECT_TRUE(registered);
  EXPECT_EQ(keystrokes->UnpreserveKey(other, &ctrlSpace), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(keystrokes->UnpreserveKey(other, &leftCtrlSpace), S_OK);
  host::FailCall("ITfKeystrokeMgr::PreserveKey");
  EXPECT_EQ(keystrokes->PreserveKey(service->clientId, other, &leftCtrlSpace, nullptr, 0), E_FAIL);
  EXPECT_EQ(host::PreservedKeys().size(), 1u);
}

TEST_F(KeyRoadTest, OneKeySinkPerClient) {
  ITfKeystrokeMgr* keystrokes = Keystrokes();
  EXPECT_EQ(keystrokes->AdviseKeyEventSink(service->clientId,
                                           static_cast<ITfKeyEventSink*>(service.service), TRUE),
            CONNECT_E_ADVISELIMIT);
  EXPECT_EQ(keystrokes->UnadviseKeyEventSink(service->clientId + 100), CONNECT_E_NOCONNECTION);
  CLSID foreground = GUID_NULL;
  EXPECT_EQ(keystrokes->GetForeground(&foreground), S_OK);
  EXPECT_TRUE(IsEqualGUID(foreground, kFakeServiceClsid));
}

TEST_F(KeyRoadTest, SentInputRunsAfterTheCallbackThatSentIt) {
  service->eats = {VK_SPACE};
  service->replaysKey = VK_RETURN;
  host::PressKey(VK_SPACE);
  EXPECT_THAT(service->log,
              ElementsAre("OnTestKeyDown 20", "OnKeyDown 20", "SendInput returned",
                          "OnTestKeyDown 0D", "OnTestKeyUp 0D", "OnTestKeyUp 20"));
  ASSERT_EQ(host::SentInput().size(), 2u);
  EXPECT_EQ(host::SentInput()[1].ki.dwFlags, static_cast<DWORD>(KEYEVENTF_KEYUP));
  EXPECT_EQ(host::ApplicationCharacters(), u"\r");
}

TEST_F(KeyRoadTest, InputSentOutsideAKeyWaitsForTheHost) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = 0x0995;
  input.ki.dwFlags = KEYEVENTF_UNICODE;
  EXPECT_EQ(SendInput(1, &input, sizeof input), 1u);
  EXPECT_EQ(SendInput(1, &input, sizeof input - 1), 0u);
  EXPECT_TRUE(service->log.empty());
  host::ReplayPendingInput();
  EXPECT_THAT(service->log, ElementsAre("OnTestKeyDown E7"));
  EXPECT_EQ(host::ApplicationCharacters(), u"\u0995");
  EXPECT_EQ(host::ApplicationKeyMessages()[0].wParam, MAKEWPARAM(VK_PACKET, 0x0995));
}

TEST_F(KeyRoadTest, TheApplicationsCharactersFollowTheKeyboardState) {
  host::TypeText(u"Hi!");
  EXPECT_EQ(host::ApplicationCharacters(), u"Hi!");
  EXPECT_TRUE(host::PressChord("Alt+x"));
  EXPECT_FALSE(host::PressChord("Ctrl+Nothing"));
  std::vector<UINT> messages = Messages();
  EXPECT_THAT(std::vector<UINT>(messages.end() - 4, messages.end()),
              ElementsAre(WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_SYSKEYUP));
}

}  // namespace
}  // namespace tsftest
