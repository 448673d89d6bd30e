#include <gtest/gtest.h>

#include <thread>

#include "ScriptedServer.h"
#include "SettingsTestRoot.h"
#include "common/SettingsIpcConstants.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/settings/SendSettingsCommand.h"

#ifndef _WIN32
#include "host/advapi32/ProcessUser.h"
#include "host/kernel32/PipeTraffic.h"
#endif

namespace {


class ClientIdentityTest : public ::testing::Test {
 protected:
  SettingsTestRoot root_;
};

#ifdef _WIN32

// The server side of the check: what the client let the server do with
// its identity, read the way a server would by impersonating it.
DWORD ImpersonationLevelOfClient(HANDLE pipe) {
  if (!ImpersonateNamedPipeClient(pipe)) return 0xFFFFFFFF;
  HANDLE token = nullptr;
  DWORD level = 0xFFFFFFFE, size = 0;
  SECURITY_IMPERSONATION_LEVEL value;
  if (OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) {
    if (GetTokenInformation(token, TokenImpersonationLevel, &value, sizeof(value), &size))
      level = static_cast<DWORD>(value);
    CloseHandle(token);
  }
  RevertToSelf();
  return level;
}

TEST_F(ClientIdentityTest, ServerMayOnlyIdentifyTheClient) {
  HANDLE pipe = CreateNamedPipeW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                                 PIPE_ACCESS_DUPLEX, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE, 1,
                                 4096, 4096, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  DWORD level = 0xFFFFFFFD;
  std::thread server([&] {
    ConnectNamedPipe(pipe, nullptr);
    char request[256];
    DWORD read = 0;
    ReadFile(pipe, request, sizeof(request), &read, nullptr);
    level = ImpersonationLevelOfClient(pipe);
    DWORD written = 0;
    WriteFile(pipe, u"OK", 4, &written, nullptr);
    while (ReadFile(pipe, request, sizeof(request), &read, nullptr)) {
    }
  });
  EXPECT_EQ(SendSettingsCommand(u"LOAD ThemeID"), u"OK");
  server.join();
  CloseHandle(pipe);
  // Wine's impersonation takes no notice of the client's quality of service.
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr &&
      level == static_cast<DWORD>(SecurityImpersonation))
    GTEST_SKIP() << "this Wine impersonates every pipe client at SecurityImpersonation";
  EXPECT_EQ(level, static_cast<DWORD>(SecurityIdentification));
}

#else

const std::u16string kConnectError = u"Error: Could not connect to settings server.";

CStringRange Range(const std::u16string& s) { return {s.size(), AsWchar(s.c_str())}; }

// Every request of the input method, the learning one too, opens the pipe
// so that the server may identify the client and not act as it.
TEST_F(ClientIdentityTest, RequestsLetTheServerOnlyIdentifyTheClient) {
  uint64_t mark = host::PipeOpenMark();
  {
    ScriptedServer server(Utf16Bytes(u"OK"));
    ASSERT_TRUE(server.ready());
    EXPECT_EQ(SendSettingsCommand(u"LOAD ThemeID"), u"OK");
  }
  {
    ScriptedServer server({}, ScriptedServer::Answer::Silence);
    ASSERT_TRUE(server.ready());
    CCompositionProcessorEngine engine;
    engine.AddUserDictionaryEntry(Range(u"ami"), Range(u"x"));
    server.Request();
  }
  std::vector<host::PipeClientOpen> opens = host::PipeClientOpensSince(mark);
  ASSERT_EQ(opens.size(), 2u);
  for (const host::PipeClientOpen& open : opens) {
    EXPECT_EQ(open.error, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(open.flags & (SECURITY_SQOS_PRESENT | 0x00030000),
              static_cast<DWORD>(SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION));
  }
  EXPECT_EQ(opens[0].access, GENERIC_READ | GENERIC_WRITE);
  EXPECT_EQ(opens[1].access, GENERIC_WRITE);
}

// A program of another user that took the pipe's name is no server to the
// input method: it is told nothing, and every request fails as with no
// server (the defaults stay, the choice stays in memory).
TEST_F(ClientIdentityTest, PipeServedByAnotherUserIsAMissingServer) {
  {
    ScriptedServer impostor(Utf16Bytes(u"rootDir=C:\\Evil"), ScriptedServer::Answer::Reply, true,
                            host::OtherUserSid());
    ASSERT_TRUE(impostor.ready());
    EXPECT_EQ(SendSettingsCommand(u"LOAD_ALL"), kConnectError);
    EXPECT_TRUE(impostor.Request().empty());
  }
  {
    ScriptedServer impostor({}, ScriptedServer::Answer::Silence, true, host::OtherUserSid());
    ASSERT_TRUE(impostor.ready());
    CCompositionProcessorEngine engine;
    engine.AddUserDictionaryEntry(Range(u"ami"), Range(u"x"));
    EXPECT_TRUE(impostor.Request().empty());
    EXPECT_EQ(engine.FindUserChoice(u"ami"), u"x");
  }
}

#endif

}  // namespace
