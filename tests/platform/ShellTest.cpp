#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/SystemRoot.h"
#include "host/shell32/ShellExecutions.h"
#include "support/TempSystemRoot.h"

namespace {

class ShellTest : public ::testing::Test {
 protected:
  TempSystemRoot root_;
};

TEST_F(ShellTest, ProgramFilesFolderLivesUnderTheSystemRoot) {
  WCHAR path[MAX_PATH];
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILESX86, nullptr, SHGFP_TYPE_CURRENT, path),
            S_OK);
  EXPECT_EQ(std::u16string(path), u"C:\\Program Files (x86)");
  std::string host = platform::HostPathFromWindowsPath(path);
  EXPECT_EQ(host, root_.path() + "/Program Files (x86)");
  struct stat info;
  EXPECT_EQ(stat(host.c_str(), &info), 0);
  EXPECT_EQ(platform::HostPathFromWindowsPath(u"c:/a\\b"), root_.path() + "/a/b");
  EXPECT_EQ(platform::HostPathFromWindowsPath(u"/usr/bin/true"), "/usr/bin/true");
  EXPECT_EQ(SHGetFolderPathW(nullptr, 0x7777, nullptr, SHGFP_TYPE_CURRENT, path), E_INVALIDARG);
}

TEST_F(ShellTest, ShellExecuteStartsAProgramWithItsParameters) {
  std::string script = root_.path() + "/Tool.sh";
  std::ofstream(script) << "#!/bin/sh\necho \"$#:$1|$2\" > \"$(dirname \"$0\")/out\"\n";
  chmod(script.c_str(), 0755);
  HINSTANCE started = ShellExecuteW(nullptr, u"open", u"C:\\Tool.sh", u"/about \"two words\"",
                                    nullptr, SW_SHOWNORMAL);
  EXPECT_GT(reinterpret_cast<INT_PTR>(started), 32);
  std::string out;
  for (int i = 0; i < 500 && out.empty(); ++i) {
    std::ifstream in(root_.path() + "/out");
    std::getline(in, out);
    if (out.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(out, "2:/about|two words");
  HINSTANCE missing =
      ShellExecuteW(nullptr, u"open", u"C:\\Missing.exe", nullptr, nullptr, SW_SHOWNORMAL);
  EXPECT_LE(reinterpret_cast<INT_PTR>(missing), 32);
}

TEST_F(ShellTest, AUrlGoesToItsHandlerAndEveryCallIsRecorded) {
  host::ClearShellExecutions();
  HWND owner = reinterpret_cast<HWND>(0x10);
  HINSTANCE opened = ShellExecuteW(owner, u"open", u"https://www.hollin.example/x", nullptr,
                                   nullptr, SW_SHOWNORMAL);
  EXPECT_GT(reinterpret_cast<INT_PTR>(opened), 32);
  host::FailCall("ShellExecuteW");
  EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, nullptr, u"mailto:a@b.example", u"p",
                                                    u"C:\\", SW_SHOW)),
            SE_ERR_OOM);
  host::ClearFailures();
  std::vector<host::ShellExecution> calls = host::ShellExecutions();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].owner, owner);
  EXPECT_EQ(calls[0].operation, u"open");
  EXPECT_EQ(calls[0].file, u"https://www.hollin.example/x");
  EXPECT_EQ(calls[0].showCommand, SW_SHOWNORMAL);
  EXPECT_GT(calls[0].result, 32);
  EXPECT_EQ(calls[1].parameters, u"p");
  EXPECT_EQ(calls[1].directory, u"C:\\");
  EXPECT_EQ(calls[1].result, SE_ERR_OOM);
}

}  // namespace
