// The keyboard's language-bar button as the bar and the user meet it: its
// icon, its menu with the check marks of the stored settings, and what each
// choice asks of the settings server.
#include <gmock/gmock.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "FakeSettingsServer.h"
#include "TextServiceFixture.h"

namespace {

using ::testing::ElementsAre;

const POINT kClick = {300, 400};

// The items of a menu as shown, "text" or "text*" when checked, popups
// followed by their items in brackets.
std::string Shown(const std::vector<host::MenuItemView>& items) {
  std::string text;
  for (const host::MenuItemView& item : items) {
    if (!text.empty()) text += ", ";
    if (item.separator) {
      text += "-";
      continue;
    }
    text += std::string(item.text.begin(), item.text.end());
    if (item.checked) text += "*";
    if (item.popup) text += " [" + Shown(item.submenu) + "]";
  }
  return text;
}

// A visible window of the calling thread.
HWND PlainWindow() {
  const WCHAR kClass[] = u"LutemTest.Plain";
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  if (!GetClassInfoW(instance, kClass, &windowClass)) {
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClass;
    RegisterClassW(&windowClass);
  }
  return CreateWindowExW(0, kClass, u"plain", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                         nullptr, instance, nullptr);
}

class LanguageBarTest : public TextServiceFixture {
 protected:
  HRESULT Click() {
    HRESULT hr = host::LangBarItemClick(GUID_LBI_INPUTMODE, TF_LBI_CLK_LEFT, kClick);
    host::PumpMessages();
    return hr;
  }
  // Chooses the item with text from the button's menu (none: dismisses
  // it); what the menu showed.
  std::string Choose(const std::u16string& text) {
    host::ClearPopupMenusShown();
    if (text.empty()) {
      host::DismissNextMenu();
    } else {
      host::ChooseNextMenuItem(text);
    }
    EXPECT_EQ(Click(), S_OK);
    std::vector<host::PopupRecord> shown = host::PopupMenusShown();
    return shown.size() == 1 ? Shown(shown[0].items) : "no menu";
  }
};

TEST_F(LanguageBarTest, TheMenuShowsTheStoredSettingsAndEachChoiceIsSavedAndReadBack) {
  FakeSettingsServer server;
  server.Store(u"CurrentLayout", u"2");
  server.Store(u"CurrentEncoding", u"0");
  ITfDocumentMgr* document = FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  PipeRequests();

  EXPECT_EQ(Choose(u"Avro Phonetic"),
            "Keyboard Layout [Lutem Phonetic, Lutem Lowercase (Experimental), Avro Phonetic, "
            "Khipro*, -, Lutem (Fixed), Jatiyo, Jatiyo (Modified), Probhat], -, "
            "Output Encoding [Unicode*, ANSI], "
            "Quick Settings... [Suggestion Bar*, Phonetic Auto Correction*], "
            "Settings..., About Lutem");
  EXPECT_THAT(PipeRequests(), ElementsAre(u"LOAD_ALL", u"SAVE CurrentLayout 3", u"LOAD_ALL"));
  std::vector<host::PopupRecord> shown = host::PopupMenusShown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].owner, host::ViewWindow(host::TsfApplication::TopContext(document)))
      << "the menu belongs to the focused document's window";
  EXPECT_EQ(shown[0].x, kClick.x);
  EXPECT_EQ(shown[0].y, kClick.y);

  struct Case {
    std::u16string item;
    std::u16string request;
  } cases[] = {
      {u"Lutem Phonetic", u"SAVE CurrentLayout 1"},
      {u"Khipro", u"SAVE CurrentLayout 2"},
      {u"Lutem (Fixed)", u"SAVE CurrentLayout 4"},
      {u"Jatiyo (Modified)", u"SAVE CurrentLayout 5"},
      {u"Probhat", u"SAVE CurrentLayout 6"},
      {u"Jatiyo", u"SAVE CurrentLayout 7"},
      {u"Lutem Lowercase (Experimental)", u"SAVE CurrentLayout 8"},
      {u"ANSI", u"SAVE CurrentEncoding 1"},
      {u"Unicode", u"SAVE CurrentEncoding 0"},
      {u"Suggestion Bar", u"SAVE CandidateWindow 0"},
      {u"Suggestion Bar", u"SAVE CandidateWindow 1"},
      {u"Phonetic Auto Correction", u"SAVE SmartCorrection 0"},
      {u"Phonetic Auto Correction", u"SAVE SmartCorrection 1"},
      {u"Settings...", u"SETTINGS"},
      {u"About Lutem", u"ABOUT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item.begin(), c.item.end()));
    Choose(c.item);
    EXPECT_THAT(PipeRequests(), ElementsAre(u"LOAD_ALL", c.request, u"LOAD_ALL"));
  }
  // The marks follow what the server stored.
  EXPECT_EQ(server.Stored(u"CurrentLayout"), u"8");
  server.Store(u"CurrentEncoding", u"1");
  EXPECT_EQ(Choose(u""),
            "Keyboard Layout [Lutem Phonetic, Lutem Lowercase (Experimental)*, Avro Phonetic, "
            "Khipro, -, Lutem (Fixed), Jatiyo, Jatiyo (Modified), Probhat], -, "
            "Output Encoding [Unicode, ANSI*], "
            "Quick Settings... [Suggestion Bar*, Phonetic Auto Correction*], "
            "Settings..., About Lutem")
      << "what the server stores, written by a choice or by another program";
}

TEST_F(LanguageBarTest, TheAutoCorrectionMarkShowsTheStoredFlagWhateverTheLayout) {
  FakeSettingsServer server;
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  struct Case {
    std::u16string layout, candidateWindow, smartCorrection;
    bool marked;
  } cases[] = {
      {u"1", u"1", u"0", false}, {u"3", u"1", u"0", false}, {u"2", u"0", u"0", false},
      {u"2", u"1", u"1", true},  {u"4", u"0", u"1", true},
  };
  for (const Case& c : cases) {
    server.Store(u"CurrentLayout", c.layout);
    server.Store(u"CandidateWindow", c.candidateWindow);
    server.Store(u"SmartCorrection", c.smartCorrection);
    host::ClearPopupMenusShown();
    host::DismissNextMenu();
    ASSERT_EQ(Click(), S_OK);
    std::vector<host::PopupRecord> shown = host::PopupMenusShown();
    ASSERT_EQ(shown.size(), 1u);
    const host::MenuItemView& quick = shown[0].items.at(3);
    ASSERT_EQ(quick.text, u"Quick Settings...");
    EXPECT_EQ(quick.submenu.at(1).checked, c.marked)
        << "layout " << std::string(c.layout.begin(), c.layout.end());
    EXPECT_EQ(quick.submenu.at(0).checked, c.candidateWindow == u"1");
  }
  // A dismissed menu chooses nothing: one refresh, from the click.
  EXPECT_THAT(PipeRequests().back(), u"LOAD_ALL");
  host::DismissNextMenu();
  ASSERT_EQ(Click(), S_OK);
  EXPECT_THAT(PipeRequests(), ElementsAre(u"LOAD_ALL"));
}

TEST_F(LanguageBarTest, AClickWithoutAWindowOfThisThreadShowsNoMenu) {
  FakeSettingsServer server;
  ASSERT_EQ(Activate(), S_OK);  // no document has the focus
  PipeRequests();
  std::mutex lock;
  std::condition_variable changed;
  bool made = false, done = false;
  std::thread other([&] {
    SetForegroundWindow(PlainWindow());
    std::unique_lock<std::mutex> hold(lock);
    made = true;
    changed.notify_all();
    changed.wait(hold, [&] { return done; });
  });
  {
    std::unique_lock<std::mutex> hold(lock);
    changed.wait(hold, [&] { return made; });
  }
  host::ChooseNextMenuItem(u"ANSI");
  EXPECT_EQ(Click(), E_FAIL);
  EXPECT_TRUE(host::PopupMenusShown().empty());
  EXPECT_THAT(PipeRequests(), ElementsAre(u"LOAD_ALL")) << "only the click's refresh";
  {
    std::lock_guard<std::mutex> hold(lock);
    done = true;
    changed.notify_all();
  }
  other.join();
  host::ClearMenuChoices();

  // A window of this thread in front: the menu belongs to it.
  HWND mine = PlainWindow();
  SetForegroundWindow(mine);
  host::DismissNextMenu();
  EXPECT_EQ(Click(), S_OK);
  ASSERT_EQ(host::PopupMenusShown().size(), 1u);
  EXPECT_EQ(host::PopupMenusShown()[0].owner, mine);
  EXPECT_TRUE(host::LiveMenus().empty()) << "the loaded menu is destroyed again";
}

TEST_F(LanguageBarTest, TheIconShowsWhetherTheKeyboardIsOpenAndEnabled) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  EXPECT_EQ(ButtonIcon(), std::make_pair(WORD{21}, 16));
  host::ClearLangBarUpdates();
  ASSERT_TRUE(host::PressChord("Ctrl+Space"));
  host::PumpMessages();
  EXPECT_EQ(ButtonIcon(), std::make_pair(WORD{12}, 16));
  std::vector<host::LangBarUpdate> updates = host::LangBarUpdates();
  ASSERT_FALSE(updates.empty());
  EXPECT_EQ(updates[0].item, GUID_LBI_INPUTMODE);
  EXPECT_EQ(updates[0].flags, static_cast<DWORD>(TF_LBI_ICON | TF_LBI_STATUS));

  // A document without a context disables the button: closed icon, though
  // the focus opened the keyboard.
  App().Focus(App().CreateEmptyDocument());
  host::PumpMessages();
  EXPECT_EQ(OpenClose(), 1);
  EXPECT_EQ(ButtonStatus() & TF_LBI_STATUS_DISABLED, static_cast<DWORD>(TF_LBI_STATUS_DISABLED));
  EXPECT_EQ(ButtonIcon().first, 12);
  FocusNewDocument();
  EXPECT_EQ(ButtonStatus(), 0u);
  EXPECT_EQ(ButtonIcon().first, 21);
  EXPECT_EQ(host::LiveIconCount(), 0u);
}

TEST_F(LanguageBarTest, SecureModeAsksForLargerIcons) {
  FocusNewDocument();
  ASSERT_EQ(Activate(TF_TMAE_SECUREMODE), S_OK);
  EXPECT_EQ(ButtonIcon(), std::make_pair(WORD{21}, 24));
}

TEST_F(LanguageBarTest, TheButtonTakesOneSinkAndAnswersTheBar) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  std::vector<host::LangBarItem> items = host::LangBarItems();
  ASSERT_EQ(items.size(), 1u);
  ITfSource* source = nullptr;
  ASSERT_EQ(items[0].item->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(&source)), S_OK);
  DWORD cookie = 7;
  EXPECT_EQ(source->AdviseSink(IID_ITfLangBarItemSink, items[0].item, &cookie),
            CONNECT_E_ADVISELIMIT)
      << "the bar's sink is there already";
  EXPECT_EQ(source->AdviseSink(IID_ITfThreadMgrEventSink, items[0].item, &cookie),
            CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(source->UnadviseSink(1), CONNECT_E_NOCONNECTION);
  source->Release();

  std::u16string text;
  EXPECT_EQ(host::LangBarItemTooltip(GUID_LBI_INPUTMODE, &text), S_OK);
  EXPECT_EQ(text, u"Click to Open Menu");
  EXPECT_EQ(host::LangBarItemText(GUID_LBI_INPUTMODE, &text), S_OK);
  EXPECT_EQ(text, u"Conversion mode");
  std::vector<host::LangBarMenuItem> added;
  EXPECT_EQ(host::LangBarItemInitMenu(GUID_LBI_INPUTMODE, &added), S_OK);
  EXPECT_TRUE(added.empty()) << "the click shows the menu, not the bar";
}

TEST_F(LanguageBarTest, ABarThatKeepsTheButtonAfterDeactivationCanStillReadIt) {
  FocusNewDocument();
  ASSERT_EQ(Activate(), S_OK);
  host::FailCall("ITfLangBarItemMgr::RemoveItem");
  ASSERT_EQ(Deactivate(), S_OK);
  ASSERT_EQ(host::LangBarItems().size(), 1u) << "the bar refused to let it go";
  std::u16string text;
  EXPECT_EQ(host::LangBarItemTooltip(GUID_LBI_INPUTMODE, &text), S_OK);
  EXPECT_EQ(text, u"Click to Open Menu");
  HICON icon = nullptr;
  EXPECT_EQ(host::LangBarItemIcon(GUID_LBI_INPUTMODE, &icon), E_FAIL) << "it watches nothing";
  EXPECT_EQ(icon, nullptr);
}

}  // namespace
