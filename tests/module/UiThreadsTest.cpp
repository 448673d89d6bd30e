// An application with several UI threads, as a shell or a browser has: the
// input method is active on each of them at once, and every thread's
// activation, button click and theme message reads and writes the settings
// the process shares while the others type. The ThreadSanitizer build of
// the suite reports any access to them that is not ordered; in the other
// builds a reader that copies a text while another thread frees it shows
// as a crash or a wrong theme id.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "FakeSettingsServer.h"
#include "TextServiceFixture.h"
#include "common/CandidateWindowNames.h"
#include "host/SystemRoot.h"
#include "host/msctf/Documents.h"

namespace {

// Two installation roots with the shipped themes, and ids long enough that
// no string keeps them inside itself.
const char16_t kRootA[] = u"C:\\Program Files (x86)\\Hollin\\Lutem Keyboard";
const char16_t kRootB[] = u"C:\\Lutem Keyboard installed somewhere else entirely";
const char16_t kDarkId[] = u"lutem_dark";
const char16_t kLightId[] = u"lutem_light";

class UiThreadsTest : public TextServiceFixture {
 protected:
  void InstallThemes(const std::u16string& root) {
    const std::string host = platform::HostPathFromWindowsPath(root + u"\\UI");
    std::filesystem::create_directories(host);
    std::ifstream shipped(LUTEM_SHIPPED_THEMES, std::ios::binary);
    std::ofstream(host + "/themes.dov", std::ios::binary) << shipped.rdbuf();
  }

  // One UI thread's session: the application starts, the input method is
  // activated in a focused document, a word is typed (its candidate window
  // opens), the window hears of a new theme, the user clicks the button, and
  // the application goes. The composed text of the word, or empty.
  static std::u16string Session() {
    host::TsfApplication app;
    ITfDocumentMgr* document = app.CreateDocument();
    app.Focus(document);
    host::PumpMessages();
    if (app.ActivateTextService(CLSID_TextService) != S_OK) return u"(no activation)";
    host::PumpMessages();
    for (char16_t key : std::u16string(u"ami")) {
      host::TypeText(std::u16string(1, key));
      host::PumpMessages();
    }
    const std::u16string text = host::DocumentText(host::TsfApplication::TopContext(document));

    const UINT themeMessage =
        RegisterWindowMessageW(AsWchar(CandidateWindowNames::themeUpdateMessage.data()));
    for (HWND window : host::WindowsOfClass(std::u16string(CandidateWindowNames::windowClass))) {
      if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
        PostMessageW(window, themeMessage, 0, 0);
    }
    host::PumpMessages();
    const POINT click = {10, 10};
    host::LangBarItemClick(GUID_LBI_INPUTMODE, TF_LBI_CLK_LEFT, click);
    host::PumpMessages();
    app.DeactivateTextService(CLSID_TextService);
    host::PumpMessages();
    return text;
  }
};

TEST_F(UiThreadsTest, FourThreadsActivateTypeAndRefreshWhileTheSettingsChange) {
  InstallThemes(kRootA);
  InstallThemes(kRootB);
  FakeSettingsServer server;
  server.Store(u"rootDir", kRootA);
  server.Store(u"ThemeID", kLightId);
  server.Store(u"CurrentLayout", u"3");

  // The user goes on choosing themes and moving the installation while the
  // threads type.
  std::atomic<bool> typing{true};
  std::thread user([&] {
    for (int i = 0; typing; ++i) {
      server.Store(u"ThemeID", i % 2 == 0 ? kDarkId : kLightId);
      server.Store(u"rootDir", i % 2 == 0 ? kRootB : kRootA);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });

  constexpr int kThreads = 4;
  constexpr int kRounds = 6;
  std::vector<std::vector<std::u16string>> typed(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&typed, t] {
      for (int round = 0; round < kRounds; ++round) typed[t].push_back(Session());
    });
  }
  for (std::thread& thread : threads) thread.join();
  typing = false;
  user.join();

  // Every session typed its word in Bengali, whichever settings it got (a
  // busy pipe leaves an activation on the defaults, whose layout writes the
  // same first letter).
  for (int t = 0; t < kThreads; ++t) {
    ASSERT_EQ(typed[t].size(), static_cast<size_t>(kRounds));
    for (const std::u16string& text : typed[t]) {
      ASSERT_FALSE(text.empty()) << "thread " << t;
      EXPECT_EQ(text[0], u'\u0986') << "thread " << t;
    }
  }
}

}  // namespace
