// The program's start: the command line, the single instance, the libraries.
#include <sys/wait.h>

#include <cstdlib>

#include "SettingsProgram.h"
#include "host/comctl32/CommonControls.h"

namespace settings_program {
namespace {

TEST_F(SettingsProgramTest, OnlyTheExactAboutSwitchShowsTheAboutBoxAlone) {
  struct Case {
    std::u16string commandLine;
    std::u16string shown;
  };
  const Case kCases[] = {
      {u"/about", u"#103"},  {u"/ABOUT", u"#129"}, {u"/about ", u"#129"},
      {u" /about", u"#129"}, {u"about", u"#129"},  {u"", u"#129"},
  };
  for (const Case& c : kCases) {
    DWORD process = Start(c.commandLine);
    std::optional<host::DialogInfo> dialog = Describe(process);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->templateName, c.shown)
        << std::string(c.commandLine.begin(), c.commandLine.end());
    EXPECT_EQ(host::Dialogs().size(), 1u);
    host::ClickCloseBox(Dialog(process));
    EXPECT_EQ(Exit(process), 0);
  }
  EXPECT_EQ(host::CommonControlClassesAskedFor() & ICC_STANDARD_CLASSES,
            static_cast<DWORD>(ICC_STANDARD_CLASSES));
}

TEST_F(SettingsProgramTest, ASecondStartBringsTheFirstForwardAndEnds) {
  for (const std::u16string& firstLine : {std::u16string(), std::u16string(u"/about")}) {
    DWORD first = Start(firstLine);
    HWND shown = Dialog(first);
    ASSERT_NE(shown, nullptr);
    HWND other = CreateWindowExW(0, u"Static", u"another program", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                 50, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    DWORD second = Start();
    EXPECT_EQ(Exit(second), 0);
    EXPECT_EQ(GetForegroundWindow(), shown);
    EXPECT_EQ(host::Dialogs().size(), 1u) << "the second shows nothing";
    DestroyWindow(other);
    host::ClickCloseBox(shown);
    EXPECT_EQ(Exit(first), 0);
  }
  // The first released its mutex: the next start shows its dialog again.
  DWORD again = Start();
  EXPECT_NE(Dialog(again), nullptr);
}

TEST_F(SettingsProgramTest, WithoutItsMutexTheProgramEndsWithOne) {
  host::FailCall("CreateMutexW");
  DWORD process = Start();
  EXPECT_EQ(Exit(process), 1);
  EXPECT_TRUE(host::Dialogs().empty());
}

// The program built as an executable of its own: nobody sits at its
// desktop, so each dialog is closed once shown, and it ends.
TEST_F(SettingsProgramTest, TheExecutableRunsToItsEndWithNobodyAtItsDesktop) {
  for (const char* arguments : {"", " /about"}) {
    int status = std::system((std::string(LUTEM_SETTINGS_EXECUTABLE) + arguments).c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << arguments;
  }
  // It held and released the same mutex as the program on this desktop.
  DWORD process = Start();
  EXPECT_NE(Dialog(process), nullptr);
}

}  // namespace
}  // namespace settings_program
