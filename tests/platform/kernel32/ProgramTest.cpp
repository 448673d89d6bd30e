// Programs started on the desktop as processes of their own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Platform.h"
#include "host/kernel32/Programs.h"
#include "host/user32/Desktop.h"
#include "host/user32/MessageLog.h"
#include "platform/kernel32/ImageEvents.h"

namespace {

using image_events::Events;

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    image_events::Clear();
    host::ResetDesktop();
  }
  void TearDown() override { host::ResetDesktop(); }

  DWORD StartImage(const std::u16string& commandLine, std::string* error = nullptr) {
    host::ProgramStart start;
    start.imageFile = LUTEM_TEST_PROGRAM;
    start.path = u"C:\\Programs\\Test.exe";
    start.commandLine = commandLine;
    return host::StartProgram(start, error);
  }
};

TEST_F(ProgramTest, EachStartIsAProcessWithItsOwnImage) {
  DWORD first = StartImage(u"/one");
  ASSERT_NE(first, 0u);
  EXPECT_EQ(host::WaitForProgramExit(first), 4);
  DWORD second = StartImage(u"");
  ASSERT_NE(second, 0u);
  EXPECT_NE(second, first);
  EXPECT_EQ(host::WaitForProgramExit(second), 0);
  // The static initialisers run at every start, before wWinMain; the static
  // destructors after it. The image's own module, path and resources.
  const std::vector<std::string> kOneRun = {
      "static initialiser", "command line ",  "path C:\\Programs\\Test.exe",
      "own module",         "resource found", "static destructor"};
  std::vector<std::string> expected = kOneRun;
  expected[1] += "/one";
  expected.insert(expected.end(), kOneRun.begin(), kOneRun.end());
  EXPECT_EQ(Events(), expected);
  EXPECT_TRUE(host::ProgramEnded(first));
}

TEST_F(ProgramTest, ImagesThatCannotRunAreRefused) {
  std::string error;
  host::ProgramStart start;
  start.imageFile = LUTEM_TEST_MODULE;  // a module without wWinMain
  EXPECT_EQ(host::StartProgram(start, &error), 0u);
  EXPECT_NE(error.find("wWinMain"), std::string::npos);
  start.imageFile = "/nonexistent/Program.so";
  EXPECT_EQ(host::StartProgram(start, &error), 0u);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(host::WaitForProgramExit(0x7fffffff), -1);
}

TEST_F(ProgramTest, WaitForInputIdleWaitsForTheMessageLoopAndDeliversWhatWasPosted) {
  // The host's window, which the program posts to before it waits.
  HWND hostWindow = CreateWindowExW(0, u"#32770", u"host", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
  host::ProgramStart start;
  start.path = u"C:\\Loop.exe";
  start.entry = [hostWindow](HINSTANCE, LPWSTR) {
    CreateWindowExW(0, u"#32770", u"program", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                    nullptr);
    WCHAR path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    PostMessageW(hostWindow, WM_APP, 0, std::u16string(AsChar16(path)) == u"C:\\Loop.exe");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_APP + 1)
      DispatchMessageW(&message);
    return 5;
  };
  DWORD process = host::StartProgram(start);
  ASSERT_NE(process, 0u);
  EXPECT_EQ(host::WaitForInputIdle(process), host::ProgramWait::Idle);
  std::vector<host::LoggedMessage> log = host::MessageLog(hostWindow);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back().message, static_cast<UINT>(WM_APP));
  EXPECT_EQ(log.back().lParam, 1) << "the program's own path";
  EXPECT_FALSE(host::ProgramEnded(process));

  HWND programWindow = FindWindowW(nullptr, u"program");
  DWORD owner = 0;
  EXPECT_EQ(GetWindowThreadProcessId(programWindow, &owner), host::ProgramMainThread(process));
  EXPECT_EQ(owner, process);
  GetWindowThreadProcessId(hostWindow, &owner);
  EXPECT_NE(owner, process);
  PostMessageW(programWindow, WM_APP + 1, 0, 0);
  EXPECT_EQ(host::WaitForProgramExit(process), 5);
  // The process's windows went with it.
  EXPECT_FALSE(IsWindow(programWindow));
  DestroyWindow(hostWindow);
}

}  // namespace
