#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>

#include "host/advapi32/ProcessUser.h"
#endif

#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>

#include "PipeRequests.h"
#include "Platform.h"
#include "ServerProcess.h"
#include "ScriptedServer.h"
#include "SettingsTestRoot.h"
#include "common/SettingsIpcConstants.h"
#include "service/settings/SendSettingsCommand.h"

namespace {

const std::u16string kSettingsKey = u"Software\\Hollin\\Lutem Keyboard";
const std::u16string kDictionaryKey = u"Software\\Hollin\\Lutem Settings Server\\User Dictionary";

bool IsError(const std::u16string& reply) {
  return reply.rfind(SettingsIpcConstants::errorPrefix, 0) == 0;
}

// What the settings program does: writes the registry directly.
void WriteRegistry(const std::u16string& name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, AsWchar(kSettingsKey.c_str()), 0, nullptr, 0,
                            KEY_READ | KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, AsWchar(name.c_str()), 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

class SettingsServerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server_.Start()); }

  SettingsTestRoot root_;
  ServerProcess server_;
};

TEST_F(SettingsServerTest, FreshStoreAnswersTheDefaults) {
  EXPECT_EQ(SendSettingsCommand(u"LOAD_ALL"),
            u"rootDir=C:\\Program Files (x86)\\Hollin\\Lutem Keyboard;ThemeID=lutem_light;"
            u"SmartCorrection=1;SaveCandidates=1;CandidateWindow=1;CurrentLayout=2;"
            u"CurrentEncoding=0");
  EXPECT_EQ(SendSettingsCommand(u"LOAD ThemeID"), u"lutem_light");
  EXPECT_EQ(SendSettingsCommand(u"LOAD CurrentLayout"), u"2");
  EXPECT_EQ(SendSettingsCommand(u"LOAD_USER_DICT"), u"");
}

TEST_F(SettingsServerTest, SavedSettingsComeBackAndLandInTheRegistry) {
  EXPECT_EQ(SendSettingsCommand(u"SAVE CurrentLayout 4"), u"OK");
  EXPECT_EQ(SendSettingsCommand(u"SAVE CandidateWindow 0"), u"OK");
  EXPECT_EQ(SendSettingsCommand(u"SAVE rootDir D:\\My Folder"), u"OK");
  EXPECT_EQ(SendSettingsCommand(u"LOAD_ALL"),
            u"rootDir=D:\\My Folder;ThemeID=lutem_light;SmartCorrection=1;SaveCandidates=1;"
            u"CandidateWindow=0;CurrentLayout=4;CurrentEncoding=0");

  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, AsWchar(kSettingsKey.c_str()), 0, KEY_READ, &key),
            ERROR_SUCCESS);
  DWORD type = 0, value = 7, size = sizeof(value);
  EXPECT_EQ(RegQueryValueExW(key, AsWchar(u"CandidateWindow"), nullptr, &type,
                             reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 0u);
  RegCloseKey(key);
}

TEST_F(SettingsServerTest, WhatTheSettingsProgramWritesIsServed) {
  std::u16string theme = u"lutem_dark";
  WriteRegistry(u"ThemeID", REG_SZ, theme.c_str(), static_cast<DWORD>((theme.size() + 1) * 2));
  DWORD off = 0;
  WriteRegistry(u"SmartCorrection", REG_DWORD, &off, sizeof(off));
  // A flag of another type reads as on, as the settings program reads it.
  WriteRegistry(u"SaveCandidates", REG_SZ, u"0", 4);
  EXPECT_EQ(SendSettingsCommand(u"LOAD ThemeID"), u"lutem_dark");
  std::u16string all = SendSettingsCommand(u"LOAD_ALL");
  EXPECT_NE(all.find(u"ThemeID=lutem_dark;"), std::u16string::npos) << all.size();
  EXPECT_NE(all.find(u"SmartCorrection=0;"), std::u16string::npos);
  EXPECT_NE(all.find(u"SaveCandidates=1;"), std::u16string::npos);
}

TEST_F(SettingsServerTest, BadRequestsGetErrorRepliesAndChangeNothing) {
  for (const char16_t* request :
       {u"SAVE CurrentLayout x", u"SAVE CurrentLayout -1", u"SAVE CurrentLayout 4294967296",
        u"SAVE CurrentLayout", u"SAVE Unknown 1", u"SAVE ThemeID ", u"SAVE ThemeID a;b",
        u"LOAD Unknown", u"LOAD", u"load_all", u"LOAD_ALL ", u"HELLO", u"SAVE_USER_DICT nocolon",
        u"SAVE_USER_DICT :text", u"SAVE_USER_DICT keys:", u"SAVE_USER_DICT a:b\nc:d"}) {
    EXPECT_TRUE(IsError(SendSettingsCommand(request))) << std::string(request, request + 5);
  }
  EXPECT_EQ(SendSettingsCommand(u"LOAD CurrentLayout"), u"2");
  EXPECT_EQ(SendSettingsCommand(u"LOAD ThemeID"), u"lutem_light");
  EXPECT_EQ(SendSettingsCommand(u"LOAD_USER_DICT"), u"");
}

// The input method can only show and use layouts 1 to 8, encodings 0 and 1
// and flags 0 and 1: a SAVE of anything else is refused and stores nothing.
TEST_F(SettingsServerTest, SaveTakesOnlyValuesTheInputMethodCanUse) {
  struct Case {
    const char16_t* key;
    std::vector<const char16_t*> refused;
    std::vector<const char16_t*> taken;
  };
  const Case cases[] = {
      {u"CurrentLayout", {u"0", u"9", u"4294967295"}, {u"1", u"8"}},
      {u"CurrentEncoding", {u"2", u"4294967295"}, {u"1", u"0"}},
      {u"SmartCorrection", {u"2", u"10"}, {u"0", u"1"}},
      {u"SaveCandidates", {u"2"}, {u"0", u"1"}},
      {u"CandidateWindow", {u"2", u"255"}, {u"0", u"1"}},
  };
  for (const Case& c : cases) {
    const std::u16string key = c.key;
    const std::u16string before = SendSettingsCommand(u"LOAD " + key);
    for (const char16_t* value : c.refused) {
      EXPECT_TRUE(IsError(SendSettingsCommand(u"SAVE " + key + u" " + value)))
          << std::string(key.begin(), key.end()) << " " << std::string(value, value + 1);
      EXPECT_EQ(SendSettingsCommand(u"LOAD " + key), before);
    }
    for (const char16_t* value : c.taken) {
      EXPECT_EQ(SendSettingsCommand(u"SAVE " + key + u" " + value), u"OK");
      EXPECT_EQ(SendSettingsCommand(u"LOAD " + key), value);
    }
  }
}

TEST_F(SettingsServerTest, MalformedMessagesAreRefusedAndServingGoesOn) {
  std::vector<char> invalid = Utf16Bytes(u"LOAD ThemeID");
  invalid[0] = 0x00;
  invalid[1] = static_cast<char>(0xD8);  // a lone high surrogate
  invalid.insert(invalid.end(), {0, 0});
  std::vector<char> noNul = Utf16Bytes(u"LOAD_ALL");
  std::vector<char> odd = Utf16Bytes(u"LOAD_ALL");
  odd.insert(odd.end(), {0, 0, 'x'});
  std::vector<char> huge = Utf16Bytes(std::u16string(32768, u'A'));
  for (const std::vector<char>* message : {&noNul, &odd, &huge, &invalid}) {
    std::u16string reply;
    ASSERT_TRUE(PipeRequests::SendRaw(*message, reply)) << message->size();
    EXPECT_TRUE(IsError(reply)) << message->size();
  }
  // An empty message looks like a client that never asks: it is dropped.
  std::u16string reply;
  EXPECT_FALSE(PipeRequests::SendRaw({}, reply));
  EXPECT_EQ(SendSettingsCommand(u"LOAD CurrentEncoding"), u"0");
}

// A client that connects and never writes holds its instance only so long.
TEST_F(SettingsServerTest, SilentClientIsLetGo) {
  HANDLE pipe = CreateFileW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                            GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  char buffer[16];
  DWORD read = 0;
  EXPECT_FALSE(ReadFile(pipe, buffer, sizeof(buffer), &read, nullptr));
  // Windows reports the server's DisconnectNamedPipe as "not connected"; the
  // stand-in cannot tell it from a closed server end.
#ifdef _WIN32
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PIPE_NOT_CONNECTED));
#else
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BROKEN_PIPE));
#endif
  CloseHandle(pipe);
}

// Learning is not answered, so each pair is awaited before the next is sent.
bool LearnAndWait(const std::u16string& keys, const std::u16string& text) {
  if (!PipeRequests::Learn(keys, text)) return false;
  std::u16string line = keys + u":" + text;
  for (int i = 0; i < 500; ++i) {
    std::u16string reply = SendSettingsCommand(u"LOAD_USER_DICT");
    if (reply.size() >= line.size() && reply.substr(reply.size() - line.size()) == line)
      return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST_F(SettingsServerTest, LearnedPairsComeBackNewestWinning) {
  const std::u16string ami = u"\u0986\u09AE\u09BF";
  ASSERT_TRUE(LearnAndWait(u"ami", ami));
  ASSERT_TRUE(LearnAndWait(u"tumi", u"\u09A4\u09C1\u09AE\u09BF"));
  ASSERT_TRUE(LearnAndWait(u"ami", ami + u"\u0993"));
  ASSERT_TRUE(LearnAndWait(u"a:b", u"c"));
  EXPECT_EQ(SendSettingsCommand(u"LOAD_USER_DICT"),
            u"tumi:\u09A4\u09C1\u09AE\u09BF\nami:" + ami + u"\u0993\na:b:c");
}

// "Remember Candidate Selection" off, from the input method's pipe or from
// the settings program's registry value: a choice is answered as before and
// not kept; on again, choices are kept from then on.
TEST_F(SettingsServerTest, NothingIsLearnedWhileSaveCandidatesIsOff) {
  const std::u16string ami = u"\u0986\u09AE\u09BF";
  ASSERT_EQ(SendSettingsCommand(u"SAVE SaveCandidates 0"), u"OK");
  EXPECT_EQ(SendSettingsCommand(u"SAVE_USER_DICT ami:" + ami), u"OK");
  EXPECT_EQ(SendSettingsCommand(u"LOAD_USER_DICT"), u"");

  ASSERT_EQ(SendSettingsCommand(u"SAVE SaveCandidates 1"), u"OK");
  ASSERT_TRUE(LearnAndWait(u"ami", ami));
  EXPECT_EQ(SendSettingsCommand(u"LOAD_USER_DICT"), u"ami:" + ami);

  DWORD off = 0;
  WriteRegistry(u"SaveCandidates", REG_DWORD, &off, sizeof(off));
  // The settings program's change counts within a moment (the server does
  // not read the registry at every choice).
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(SendSettingsCommand(u"SAVE_USER_DICT ami:" + ami + u"\u0993"), u"OK");
  EXPECT_EQ(SendSettingsCommand(u"LOAD_USER_DICT"), u"ami:" + ami) << "the old choice stays";
}

TEST_F(SettingsServerTest, DictionaryReplyHoldsTheNewestWholeLinesThatFit) {
  // 300 lines of 7 or 8 units cannot all fit in 1023.
  for (int i = 0; i < 300; ++i) {
    std::u16string number = std::u16string(1, u'0' + i / 100) + char16_t(u'0' + i / 10 % 10) +
                            char16_t(u'0' + i % 10);
    ASSERT_EQ(SendSettingsCommand(u"SAVE_USER_DICT k" + number + u":v" + number), u"OK");
  }
  ASSERT_EQ(SendSettingsCommand(u"FLUSH_USER_DICT"), u"OK");
  std::u16string reply = SendSettingsCommand(u"LOAD_USER_DICT");
  EXPECT_LE(reply.size(), 1023u);
  EXPECT_GT(reply.size(), 1023u - 10);
  EXPECT_EQ(reply.substr(reply.size() - 9), u"k299:v299");
  EXPECT_EQ(reply.find(u"k000:"), std::u16string::npos);
  std::istringstream lines(std::string(reply.begin(), reply.end()));
  int previous = -1;
  for (std::string line; std::getline(lines, line);) {
    ASSERT_EQ(line.size(), 9u) << line;
    int number = std::stoi(line.substr(1, 3));
    EXPECT_EQ(line, "k" + line.substr(1, 3) + ":v" + line.substr(1, 3));
    if (previous >= 0) {
      EXPECT_EQ(number, previous + 1);
    }
    previous = number;
  }
  EXPECT_EQ(PipeRequests::CountValues(kDictionaryKey), 300u);
}

TEST_F(SettingsServerTest, SecondServerLeavesTheFirstServing) {
  EXPECT_EQ(ServerProcess::RunToExit(), 1);
  EXPECT_EQ(SendSettingsCommand(u"LOAD CurrentLayout"), u"2");
}

// A program that made the pipe first keeps it: the server says so and ends
// instead of serving beside it.
TEST(SettingsServerPipe, NameTakenFirstEndsTheServer) {
  SettingsTestRoot root;
  // Two instances: the stand-in's server tries the name with a connection
  // of its own, which takes a free instance.
  HANDLE taken[2];
  for (int i = 0; i < 2; ++i) {
    taken[i] = CreateNamedPipeW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                                PIPE_ACCESS_DUPLEX | (i == 0 ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0),
                                PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE, 2, 4096, 4096, 0,
                                nullptr);
    ASSERT_NE(taken[i], INVALID_HANDLE_VALUE);
  }
  EXPECT_EQ(ServerProcess::RunToExit(), 1);
  HANDLE client = CreateFileW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                              GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(client, INVALID_HANDLE_VALUE);
  if (client != INVALID_HANDLE_VALUE) CloseHandle(client);
  for (HANDLE instance : taken) CloseHandle(instance);
}

#ifndef _WIN32
// Another user of the machine may not even read the pipe. An application in
// an AppContainer may open it, but cannot tell who serves it (it may not
// open the server's process), so it runs on its defaults.
TEST_F(SettingsServerTest, OnlyTheServersUserMayUseThePipe) {
  auto openError = [](DWORD access) {
    HANDLE pipe = CreateFileW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                              access, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE) return GetLastError();
    CloseHandle(pipe);
    return static_cast<DWORD>(ERROR_SUCCESS);
  };
  host::SetProcessUser(host::OtherUserSid());
  EXPECT_EQ(openError(GENERIC_READ), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(SendSettingsCommand(u"LOAD CurrentLayout"),
            u"Error: Could not connect to settings server.");
  host::SetProcessUser(host::DefaultUserSid());
  host::SetProcessAppContainer(true);
  EXPECT_EQ(openError(GENERIC_READ | GENERIC_WRITE), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(SendSettingsCommand(u"LOAD CurrentLayout"),
            u"Error: Could not connect to settings server.");
  host::SetProcessAppContainer(false);
  EXPECT_EQ(SendSettingsCommand(u"LOAD CurrentLayout"), u"2");
}
#endif

TEST(SettingsServerRestart, CrashLosesNoWrittenSetting) {
  SettingsTestRoot root;
  ServerProcess server;
  ASSERT_TRUE(server.Start());
  ASSERT_EQ(SendSettingsCommand(u"SAVE CurrentEncoding 1"), u"OK");
  ASSERT_EQ(SendSettingsCommand(u"SAVE_USER_DICT ami:\u0986\u09AE\u09BF"), u"OK");
  ASSERT_EQ(SendSettingsCommand(u"SAVE_USER_DICT ami:\u0986\u09AE\u09BF\u0993"), u"OK");
  // Learned pairs are written behind the reply; a flush waits for them.
  ASSERT_EQ(SendSettingsCommand(u"FLUSH_USER_DICT"), u"OK");
  server.Kill();
  EXPECT_EQ(SendSettingsCommand(u"LOAD_ALL"), u"Error: Could not connect to settings server.");
  // The killed server's socket is still there; the new one must replace it.
  ASSERT_TRUE(server.Start());
  EXPECT_EQ(SendSettingsCommand(u"LOAD CurrentEncoding"), u"1");
  EXPECT_EQ(SendSettingsCommand(u"LOAD_USER_DICT"), u"ami:\u0986\u09AE\u09BF\u0993");
  EXPECT_EQ(PipeRequests::CountValues(kDictionaryKey), 1u);
}

class SettingsProgramTest : public ::testing::Test {
 protected:
  // A stand-in settings program that writes down its arguments.
  std::string MakeProgram() {
#ifdef _WIN32
    std::string folder = root_.path();
    std::replace(folder.begin(), folder.end(), '/', '\\');
    std::string program = folder + "\\settings.cmd";
    std::ofstream(program) << "@echo started %*>>\"" << folder << "\\log\"\r\n";
#else
    std::string program = root_.path() + "/settings.sh";
    std::ofstream(program) << "#!/bin/sh\necho \"started $*\" >> " << root_.path() << "/log\n";
    chmod(program.c_str(), 0755);
#endif
    return program;
  }
  // The log's lines, each ended by "\n" alone. The bound is generous: the
  // first command interpreter of a fresh Wine prefix takes seconds to start.
  std::string WaitForLog(size_t lines) {
    std::string text;
    for (int i = 0; i < 3000; ++i) {
      std::ifstream in(root_.path() + "/log");
      std::stringstream all;
      all << in.rdbuf();
      text = all.str();
      text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
      if (static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) >= lines) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return text;
  }

  SettingsTestRoot root_;
  ServerProcess server_;
};

TEST_F(SettingsProgramTest, SettingsAndAboutStartTheProgram) {
  ASSERT_TRUE(server_.Start({"--settings-program", MakeProgram()}));
  EXPECT_EQ(SendSettingsCommand(u"SETTINGS"), u"OK");
  EXPECT_EQ(WaitForLog(1), "started \n");
  EXPECT_EQ(SendSettingsCommand(u"ABOUT"), u"OK");
  EXPECT_EQ(WaitForLog(2), "started \nstarted /about\n");
}

TEST_F(SettingsProgramTest, MissingProgramGivesAnErrorReply) {
  // Without a configured program it is LutemSettings.exe in the root folder.
  ASSERT_TRUE(server_.Start());
  EXPECT_EQ(SendSettingsCommand(u"SETTINGS"), u"Error: Could not start the settings program.");
  EXPECT_EQ(SendSettingsCommand(u"ABOUT"), u"Error: Could not start the settings program.");
}

}  // namespace
