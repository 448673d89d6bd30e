#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "Platform.h"
#include "host/advapi32/ProcessUser.h"
#include "support/TempSystemRoot.h"

namespace {

const char16_t kName[] = u"\\\\.\\pipe\\LutemSecuredPipe";

// Runs the test as another user (or in an AppContainer) and back.
class AsProcess {
 public:
  AsProcess(const std::string& user, bool appContainer) {
    host::SetProcessUser(user);
    host::SetProcessAppContainer(appContainer);
  }
  ~AsProcess() {
    host::SetProcessUser(host::DefaultUserSid());
    host::SetProcessAppContainer(false);
  }
};

std::vector<BYTE> TokenUserOf(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return {};
  DWORD size = 0;
  EXPECT_FALSE(GetTokenInformation(token, TokenUser, nullptr, 0, &size));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  std::vector<BYTE> buffer(size);
  EXPECT_TRUE(GetTokenInformation(token, TokenUser, buffer.data(), size, &size));
  CloseHandle(token);
  auto* user = reinterpret_cast<TOKEN_USER*>(buffer.data());
  const BYTE* sid = static_cast<const BYTE*>(user->User.Sid);
  return std::vector<BYTE>(sid, sid + GetLengthSid(user->User.Sid));
}

// A DACL that lets in only the given SIDs, with the given access each.
struct Dacl {
  std::vector<BYTE> acl = std::vector<BYTE>(512);
  SECURITY_DESCRIPTOR descriptor{};
  SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), &descriptor, FALSE};

  Dacl(const std::vector<std::pair<PSID, DWORD>>& grants) {
    auto* list = reinterpret_cast<PACL>(acl.data());
    EXPECT_TRUE(InitializeAcl(list, static_cast<DWORD>(acl.size()), ACL_REVISION));
    for (const auto& grant : grants)
      EXPECT_TRUE(AddAccessAllowedAce(list, ACL_REVISION, grant.second, grant.first));
    EXPECT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
    EXPECT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, list, FALSE));
  }
};

class PipeSecurityTest : public ::testing::Test {
 protected:
  HANDLE Server(LPSECURITY_ATTRIBUTES attributes) {
    return CreateNamedPipeW(kName, PIPE_ACCESS_DUPLEX | FILE_FLAG_FIRST_PIPE_INSTANCE,
                            PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE, 4, 4096, 4096, 0,
                            attributes);
  }
  // Opens and lets go again, so that the one instance is free for the next.
  DWORD OpenError(HANDLE server, DWORD access) {
    HANDLE client = CreateFileW(kName, access, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (client == INVALID_HANDLE_VALUE) return GetLastError();
    CloseHandle(client);
    ConnectNamedPipe(server, nullptr);
    DisconnectNamedPipe(server);
    return ERROR_SUCCESS;
  }

  TempSystemRoot root_;
};

TEST_F(PipeSecurityTest, TokenUserFollowsWhoTheProcessRunsAs) {
  std::vector<BYTE> mine = TokenUserOf(GetCurrentProcess());
  ASSERT_FALSE(mine.empty());
  std::vector<BYTE> other;
  {
    AsProcess as(host::OtherUserSid(), false);
    other = TokenUserOf(GetCurrentProcess());
  }
  ASSERT_EQ(mine.size(), other.size());
  EXPECT_FALSE(EqualSid(mine.data(), other.data()));
  EXPECT_TRUE(EqualSid(mine.data(), TokenUserOf(GetCurrentProcess()).data()));
  // The process found by id answers for the same user.
  HANDLE self = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, GetCurrentProcessId());
  ASSERT_NE(self, nullptr);
  EXPECT_TRUE(EqualSid(mine.data(), TokenUserOf(self).data()));
  CloseHandle(self);
}

TEST_F(PipeSecurityTest, AppContainerMayOpenOnlyItself) {
  AsProcess as(host::DefaultUserSid(), true);
  HANDLE self = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, GetCurrentProcessId());
  EXPECT_NE(self, nullptr);
  CloseHandle(self);
  EXPECT_EQ(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(getppid())),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

// Who may open a pipe, for the default descriptor and for one that names
// its user and ALL APPLICATION PACKAGES.
TEST_F(PipeSecurityTest, OpenIsCheckedAgainstTheDescriptor) {
  const DWORD readWrite = GENERIC_READ | GENERIC_WRITE;
  {
    HANDLE server = Server(nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    EXPECT_EQ(OpenError(server, readWrite), static_cast<DWORD>(ERROR_SUCCESS));
    AsProcess as(host::OtherUserSid(), false);
    EXPECT_EQ(OpenError(server, GENERIC_READ), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(OpenError(server, readWrite), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    CloseHandle(server);
  }
  std::vector<BYTE> user = TokenUserOf(GetCurrentProcess());
  SID_IDENTIFIER_AUTHORITY packages = SECURITY_APP_PACKAGE_AUTHORITY;
  PSID anyPackage = nullptr;
  ASSERT_TRUE(AllocateAndInitializeSid(&packages, 2, SECURITY_APP_PACKAGE_BASE_RID,
                                       SECURITY_BUILTIN_PACKAGE_ANY_PACKAGE, 0, 0, 0, 0, 0, 0,
                                       &anyPackage));
  struct Case {
    const char* who;
    std::string user;
    bool appContainer;
    bool packagesGranted;
    DWORD expected;
  } cases[] = {
      {"own user", host::DefaultUserSid(), false, true, ERROR_SUCCESS},
      {"other user", host::OtherUserSid(), false, true, ERROR_ACCESS_DENIED},
      {"own user's app container", host::DefaultUserSid(), true, true, ERROR_SUCCESS},
      {"app container, packages not named", host::DefaultUserSid(), true, false,
       ERROR_ACCESS_DENIED},
      {"other user's app container", host::OtherUserSid(), true, true, ERROR_ACCESS_DENIED},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<PSID, DWORD>> grants{{user.data(), readWrite}};
    if (c.packagesGranted) grants.push_back({anyPackage, readWrite});
    Dacl dacl(grants);
    HANDLE server = Server(&dacl.attributes);
    ASSERT_NE(server, INVALID_HANDLE_VALUE) << c.who;
    {
      AsProcess as(c.user, c.appContainer);
      EXPECT_EQ(OpenError(server, readWrite), c.expected) << c.who;
    }
    CloseHandle(server);
  }
  FreeSid(anyPackage);
}

TEST_F(PipeSecurityTest, ClientLearnsTheServingProcess) {
  HANDLE server = Server(nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);
  HANDLE client = CreateFileW(kName, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
  ASSERT_NE(client, INVALID_HANDLE_VALUE);
  ULONG id = 0;
  EXPECT_TRUE(GetNamedPipeServerProcessId(client, &id));
  EXPECT_EQ(id, GetCurrentProcessId());
  CloseHandle(client);
  CloseHandle(server);
}

// As on Windows, the flush of a reply lasts until the client has read it.
TEST_F(PipeSecurityTest, FlushWaitsForTheReader) {
  HANDLE server = Server(nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);
  HANDLE client = CreateFileW(kName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
  ASSERT_NE(client, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(ConnectNamedPipe(server, nullptr));
  DWORD done = 0;
  ASSERT_TRUE(WriteFile(server, "reply", 5, &done, nullptr));
  std::atomic<bool> flushed{false};
  std::thread flusher([&] {
    FlushFileBuffers(server);
    flushed = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(flushed.load());
  char buffer[8];
  EXPECT_TRUE(ReadFile(client, buffer, sizeof(buffer), &done, nullptr));
  flusher.join();
  EXPECT_TRUE(flushed.load());
  CloseHandle(client);
  CloseHandle(server);
}

// Without waiting, an empty message is a message and no message is an error.
TEST_F(PipeSecurityTest, NoWaitModeTellsAnEmptyMessageFromNone) {
  HANDLE server = Server(nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);
  DWORD noWait = PIPE_READMODE_MESSAGE | PIPE_NOWAIT;
  ASSERT_TRUE(SetNamedPipeHandleState(server, &noWait, nullptr, nullptr));
  EXPECT_FALSE(ConnectNamedPipe(server, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PIPE_LISTENING));
  HANDLE client = CreateFileW(kName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
  ASSERT_NE(client, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(ConnectNamedPipe(server, nullptr));
  ASSERT_TRUE(SetNamedPipeHandleState(client, &noWait, nullptr, nullptr));
  char buffer[8];
  DWORD done = 99;
  EXPECT_FALSE(ReadFile(client, buffer, sizeof(buffer), &done, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_DATA));
  ASSERT_TRUE(WriteFile(server, buffer, 0, &done, nullptr));
  EXPECT_TRUE(ReadFile(client, buffer, sizeof(buffer), &done, nullptr));
  EXPECT_EQ(done, 0u);
  CloseHandle(client);
  CloseHandle(server);
}

}  // namespace
