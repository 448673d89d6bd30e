// The hot keys, the open/close state and its twin the conversion mode, and
// what document focus and profile switches do to the keyboard and its
// button.
#include <gmock/gmock.h>

#include "FakeSettingsServer.h"
#include "TextServiceFixture.h"

namespace {

using ::testing::ElementsAre;

// Writes a thread-manager compartment as another component would.
void WriteCompartment(host::TsfApplication& app, REFGUID guid, LONG value) {
  WriteCompartment(app.threadMgr(), app.clientId(), guid, value);
}

// The "Suggestion Bar" mark of a menu shown and dismissed.
bool SuggestionBarMarked() {
  host::ClearPopupMenusShown();
  host::DismissNextMenu();
  EXPECT_EQ(host::LangBarItemClick(GUID_LBI_INPUTMODE, TF_LBI_CLK_LEFT, POINT{0, 0}), S_OK);
  std::vector<host::PopupRecord> shown = host::PopupMenusShown();
  return !shown.empty() && shown[0].items.at(3).submenu.at(0).checked;
}

class KeysAndFocusTest : public TextServiceFixture,
                         public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    TextServiceFixture::SetUp();
    // Whether writing the value a compartment holds tells its sinks is not
    // documented; the keyboard must behave either way.
    host::SetCompartmentNotifiesUnchangedWrites(GetParam());
  }
  void TearDown() override {
    TextServiceFixture::TearDown();
    host::SetCompartmentNotifiesUnchangedWrites(false);
  }
  static LONG Native() {
    return Compartment(GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION) & TF_CONVERSIONMODE_NATIVE;
  }
};

TEST_P(KeysAndFocusTest, CtrlSpaceTurnsTheKeyboardOffAndOnWithTheNativeBit) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  ASSERT_EQ(OpenClose(), 1);
  ASSERT_EQ(Native(), TF_CONVERSIONMODE_NATIVE);
  host::ResetKeyboard();
  for (LONG expected : {0, 1, 0}) {
    ASSERT_TRUE(host::PressChord("Ctrl+Space"));
    host::PumpMessages();
    EXPECT_EQ(OpenClose(), expected);
    EXPECT_EQ(Native(), expected != 0 ? TF_CONVERSIONMODE_NATIVE : 0);
  }
  EXPECT_EQ(host::ApplicationCharacters(), u"") << "the key is eaten";
  for (const host::ApplicationKeyMessage& message : host::ApplicationKeyMessages()) {
    if (message.message == WM_KEYDOWN) {
      EXPECT_NE(message.wParam, static_cast<WPARAM>(VK_SPACE));
    }
  }

  // Closed, the keyboard leaves every other key to the application.
  ASSERT_TRUE(host::PressChord("a"));
  host::PumpMessages();
  EXPECT_EQ(host::ApplicationCharacters(), u"a");
}

TEST_P(KeysAndFocusTest, TheConversionModeFromOutsideTurnsTheKeyboardOnAndOff) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  WriteCompartment(App(), GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION, 0);
  EXPECT_EQ(OpenClose(), 0);
  WriteCompartment(App(), GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION,
                   TF_CONVERSIONMODE_NATIVE | 0x8);
  EXPECT_EQ(OpenClose(), 1);
  WriteCompartment(App(), GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, 0);
  EXPECT_EQ(Compartment(GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION), 0x8)
      << "closing clears only the native bit";
}

TEST_P(KeysAndFocusTest, CtrlShiftCTurnsTheSuggestionBarOverWithoutTellingTheServer) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);  // no server: the refreshes change nothing
  ASSERT_TRUE(SuggestionBarMarked());
  ASSERT_TRUE(host::PressChord("Ctrl+Shift+C"));
  host::PumpMessages();
  EXPECT_EQ(Compartment(GUID_LBI_INPUTMODE), 0);
  EXPECT_FALSE(SuggestionBarMarked());
  ASSERT_TRUE(host::PressChord("Ctrl+Shift+C"));
  host::PumpMessages();
  EXPECT_EQ(Compartment(GUID_LBI_INPUTMODE), 1);
  EXPECT_TRUE(SuggestionBarMarked());
  EXPECT_EQ(host::ApplicationCharacters(), u"");
}

TEST_P(KeysAndFocusTest, TheServersSuggestionBarComesBackWithTheNextRefresh) {
  FakeSettingsServer server;
  server.Store(u"CandidateWindow", u"1");
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  PipeRequests();
  ASSERT_TRUE(host::PressChord("Ctrl+Shift+C"));
  host::PumpMessages();
  EXPECT_THAT(PipeRequests(), ElementsAre());
  EXPECT_TRUE(SuggestionBarMarked()) << "the click asked the server first";
}

TEST_P(KeysAndFocusTest, AnyOtherPreservedKeyIsEatenAndChangesNothing) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  ITfKeyEventSink* sink = Service<ITfKeyEventSink>(IID_ITfKeyEventSink);
  ASSERT_NE(sink, nullptr);
  const GUID other = {0x42, 0x42, 0x42, {4, 2, 4, 2, 4, 2, 4, 2}};
  BOOL eaten = FALSE;
  EXPECT_EQ(sink->OnPreservedKey(nullptr, other, &eaten), S_OK);
  EXPECT_TRUE(eaten);
  EXPECT_EQ(OpenClose(), 1);
  EXPECT_EQ(Compartment(GUID_LBI_INPUTMODE), 1);
  EXPECT_EQ(sink->OnPreservedKey(nullptr, other, nullptr), E_INVALIDARG);
  EXPECT_EQ(sink->OnTestKeyDown(nullptr, 'A', 0, nullptr), E_INVALIDARG);
  sink->Release();
}

TEST_P(KeysAndFocusTest, EveryDocumentFocusOpensTheKeyboardAndSetsTheButtonsState) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  ASSERT_TRUE(host::PressChord("Ctrl+Space"));
  host::PumpMessages();
  ASSERT_EQ(OpenClose(), 0);

  App().Focus(nullptr);
  host::PumpMessages();
  EXPECT_EQ(OpenClose(), 0) << "no document: the compartment stays";
  EXPECT_EQ(ButtonStatus(), static_cast<DWORD>(TF_LBI_STATUS_DISABLED));

  App().Focus(App().CreateEmptyDocument());
  host::PumpMessages();
  EXPECT_EQ(OpenClose(), 1) << "a document opens it, even one without a context";
  EXPECT_EQ(ButtonStatus(), static_cast<DWORD>(TF_LBI_STATUS_DISABLED));

  ASSERT_TRUE(host::PressChord("Ctrl+Space"));
  host::PumpMessages();
  FocusNewDocument();
  EXPECT_EQ(OpenClose(), 1) << "even after Ctrl+Space closed it";
  EXPECT_EQ(ButtonStatus(), 0u);
}

TEST_P(KeysAndFocusTest, TheProfileSwitchHidesAndShowsTheButtonAndKeepsTheEngine) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  const CLSID otherService = {0x77, 0x77, 0x77, {7, 7, 7, 7, 7, 7, 7, 7}};
  host::ClearLangBarUpdates();
  App().NotifyProfileActivated(otherService, GUID_KeyboardProfile, false);
  EXPECT_TRUE(host::LangBarUpdates().empty()) << "another text service's profile";
  EXPECT_EQ(ButtonStatus(), 0u);

  App().NotifyProfileActivated(CLSID_TextService, GUID_KeyboardProfile, false);
  EXPECT_EQ(ButtonStatus(), static_cast<DWORD>(TF_LBI_STATUS_HIDDEN));
  ASSERT_FALSE(host::LangBarUpdates().empty());
  EXPECT_EQ(host::LangBarUpdates().back().flags, static_cast<DWORD>(TF_LBI_ICON | TF_LBI_STATUS));
  EXPECT_EQ(host::PreservedKeys().size(), 2u) << "the engine stays";
  ASSERT_TRUE(host::PressChord("Ctrl+Space"));
  host::PumpMessages();
  EXPECT_EQ(OpenClose(), 0);

  App().NotifyProfileActivated(CLSID_TextService, GUID_KeyboardProfile, true);
  EXPECT_EQ(ButtonStatus(), 0u);
  EXPECT_EQ(OpenClose(), 0) << "the open state follows the conversion mode";
  EXPECT_EQ(host::LangBarItems().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(UnchangedWrites, KeysAndFocusTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Notify" : "Quiet";
                         });

}  // namespace
