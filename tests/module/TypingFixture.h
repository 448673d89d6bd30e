// A user typing into an application with the input method active: the
// registered module activated as TSF does, in a focused document, a
// settings server in the test program (its layout chosen by the test), and
// the edit-session grant of the application as the test's parameter. Keys
// go in through the host's keyboard and the host pumps after each one, as
// the application's message loop would; the document, the composition and
// the candidate list are read back as the application sees them.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <fstream>

#include "FakeSettingsServer.h"
#include "TextServiceFixture.h"
#include "host/SystemRoot.h"
#include "host/msctf/Documents.h"
#include "host/msctf/EditSessions.h"
#include "host/msctf/UIElements.h"
#include "host/user32/Mouse.h"
#include "service/engine/DictionaryDataFolder.h"
#include "suggest/WordDictionaryBuilder.h"
#include "support/TestText.h"

class TypingFixture : public TextServiceFixture,
                      public ::testing::WithParamInterface<host::EditSessionGrant> {
 protected:
  void SetUp() override {
    TextServiceFixture::SetUp();
    InstallWordDictionary();
    host::SetEditSessionGrant(GetParam());
  }

  // Ten words that begin with ka (U+0995), so that "k" in Avro Phonetic
  // fills more than a page: the conversion, the key and seven words. The
  // module loads its word dictionary once per load, from the first
  // activation's data folder.
  static std::vector<std::string> KaWords() {
    return {U8(U"\u0995\u09A5\u09BE"),       U8(U"\u0995\u09B2\u09AE"),
            U8(U"\u0995\u09AE\u09B2"),       U8(U"\u0995\u09BE\u099C"),
            U8(U"\u0995\u09BE\u09B2"),       U8(U"\u0995\u09BF\u099B\u09C1"),
            U8(U"\u0995\u09C7\u09A8"),       U8(U"\u0995\u09CB\u09A8"),
            U8(U"\u0995\u09AC\u09BF"),       U8(U"\u0995\u09B0\u09BE")};
  }
  void InstallWordDictionary() {
    std::u16string folder;
    ASSERT_TRUE(DictionaryDataFolder(&folder));
    const std::string path = platform::HostPathFromWindowsPath(folder);
    ASSERT_TRUE(platform::EnsureFolder(path.substr(0, path.size() - 1)));
    std::ofstream(path + "lutem_bn-BD.bin", std::ios::binary) << BuildWordDictionary(KaWords());
  }
  // The themes that ship, where the input method reads them; the server
  // names the theme in use.
  void InstallShippedThemes(const std::u16string& themeId) {
    const std::string folder = root_.path() + "/Program Files (x86)/Hollin/Lutem Keyboard/UI";
    ASSERT_TRUE(platform::EnsureFolder(folder));
    std::ifstream shipped(LUTEM_SHIPPED_THEMES, std::ios::binary);
    std::ofstream(folder + "/themes.dov", std::ios::binary) << shipped.rdbuf();
    server_.Store(u"ThemeID", themeId);
  }
  void TearDown() override {
    host::SetEditSessionGrant(host::EditSessionGrant::Immediate);
    host::SetUIElementShow(true);
    TextServiceFixture::TearDown();
  }

  // The server's settings, then the input method active in a new focused
  // document.
  void Start(int layout, bool suggestionBar = true) {
    requestMark_ = server_.Requests().size();
    pipeWriteMark_ = host::PipeTrafficMark();
    server_.Store(u"CurrentLayout", Digits(layout));
    server_.Store(u"CandidateWindow", suggestionBar ? u"1" : u"0");
    document_ = FocusNewDocument();
    ASSERT_EQ(Activate(), S_OK);
    context_ = host::TsfApplication::TopContext(document_);
    ASSERT_NE(context_, nullptr);
    host::ResetKeyboard();
    host::ClearUIElementCalls();
    WaitForUserDictionary();
  }

  // The dictionary thread empties the learned choices and fills them from
  // the server once, after the activation; a choice learned before that
  // would be emptied with them. Its reply is handled within a moment of
  // being served.
  void WaitForUserDictionary() {
    ASSERT_TRUE(Eventually([&] {
      for (const std::u16string& request : RequestsSinceStart())
        if (request == u"LOAD_USER_DICT") return true;
      return false;
    }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }

  // Each character as its key on the US keyboard, the host pumping after each.
  void Type(const std::u16string& text) {
    for (char16_t unit : text) {
      host::TypeText(std::u16string(1, unit));
      host::PumpMessages();
    }
  }
  void Press(const std::string& chord) {
    ASSERT_TRUE(host::PressChord(chord)) << chord;
    host::PumpMessages();
  }

  std::u16string Text() const { return host::DocumentText(context_); }
  // [start, end) of the open composition.
  std::optional<std::pair<LONG, LONG>> Composition() const {
    std::vector<host::CompositionInfo> open = host::Compositions(context_);
    if (open.empty()) return std::nullopt;
    return std::make_pair(open.back().start, open.back().end);
  }
  static std::optional<host::LiveCandidateList> List() { return host::ReadLiveCandidateList(); }
  static std::vector<std::u16string> Candidates() {
    std::optional<host::LiveCandidateList> list = List();
    return list ? list->reading.strings : std::vector<std::u16string>();
  }
  static std::optional<host::WindowInfo> CandidateWindow() {
    std::vector<HWND> windows = host::WindowsOfClass(u"LutemIME.CandidateWindow");
    if (windows.empty()) return std::nullopt;
    return host::DescribeWindow(windows.back());
  }
  static std::u16string Digits(int value) {
    std::string text = std::to_string(value);
    return std::u16string(text.begin(), text.end());
  }
  // What the server received since the last Start.
  std::vector<std::u16string> RequestsSinceStart() {
    std::vector<std::u16string> all = server_.Requests();
    return std::vector<std::u16string>(all.begin() + static_cast<std::ptrdiff_t>(requestMark_),
                                       all.end());
  }
  // The SAVE_USER_DICT requests the input method wrote since the last
  // Start (as written: the server reads them in its own time).
  std::vector<std::u16string> Learned() {
    std::vector<std::u16string> learned;
    for (const host::PipeClientWrite& write : host::PipeClientWritesSince(pipeWriteMark_)) {
      std::u16string request = write.Text();
      if (request.rfind(u"SAVE_USER_DICT ", 0) == 0) learned.push_back(request.substr(15));
    }
    return learned;
  }

  FakeSettingsServer server_;
  size_t requestMark_ = 0;
  uint64_t pipeWriteMark_ = 0;
  ITfDocumentMgr* document_ = nullptr;
  ITfContext* context_ = nullptr;
};

// The three grants every typing test runs under.
#define LUTEM_TYPING_GRANTS                                                             \
  ::testing::Values(host::EditSessionGrant::Immediate, host::EditSessionGrant::Deferred, \
                    host::EditSessionGrant::RefuseSynchronous)

inline std::string GrantName(const ::testing::TestParamInfo<host::EditSessionGrant>& info) {
  switch (info.param) {
    case host::EditSessionGrant::Immediate:
      return "Immediate";
    case host::EditSessionGrant::Deferred:
      return "Deferred";
    default:
      return "RefuseSynchronous";
  }
}
