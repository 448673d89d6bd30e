#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "Platform.h"
#include "host/kernel32/PipeTraffic.h"
#include "support/TempSystemRoot.h"

namespace {

const char16_t kName[] = u"\\\\.\\pipe\\LutemTestPipe";

class NamedPipeTest : public ::testing::Test {
 protected:
  HANDLE Server(DWORD pipeMode, DWORD maxInstances = 1, DWORD flags = 0) {
    return CreateNamedPipeW(kName, PIPE_ACCESS_DUPLEX | flags, pipeMode, maxInstances, 4096, 4096,
                            0, nullptr);
  }
  HANDLE Client(const char16_t* name = kName, DWORD access = GENERIC_READ | GENERIC_WRITE) {
    return CreateFileW(name, access, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  }
  // A server instance with a connected client, both returned.
  void Connected(DWORD pipeMode, HANDLE& server, HANDLE& client) {
    server = Server(pipeMode);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    client = Client();
    ASSERT_NE(client, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(ConnectNamedPipe(server, nullptr));
  }
  void Send(HANDLE pipe, const char* text, DWORD size) {
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(pipe, text, size, &written, nullptr));
    EXPECT_EQ(written, size);
  }

  TempSystemRoot root_;
};

TEST_F(NamedPipeTest, NamesAreFoundWithoutRegardToCase) {
  EXPECT_EQ(Client(), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  HANDLE server = Server(PIPE_TYPE_MESSAGE);
  HANDLE client = Client(u"\\\\.\\PIPE\\lutemtestPIPE");
  EXPECT_NE(client, INVALID_HANDLE_VALUE);
  CloseHandle(client);
  CloseHandle(server);
  EXPECT_EQ(Client(), INVALID_HANDLE_VALUE);
}

TEST_F(NamedPipeTest, ClientsBeyondTheFreeInstancesFindThePipeBusy) {
  HANDLE server = Server(PIPE_TYPE_MESSAGE, 1);
  HANDLE first = Client();
  ASSERT_NE(first, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Client(), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PIPE_BUSY));
  // The limit and the first-instance flag hold for new instances too.
  EXPECT_EQ(Server(PIPE_TYPE_MESSAGE, 1), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PIPE_BUSY));
  EXPECT_EQ(Server(PIPE_TYPE_MESSAGE, 1, FILE_FLAG_FIRST_PIPE_INSTANCE), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  CloseHandle(first);
  CloseHandle(server);
}

TEST_F(NamedPipeTest, MessageModeReadsOneMessageInPieces) {
  HANDLE server, client;
  Connected(PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE, server, client);
  DWORD mode = PIPE_READMODE_MESSAGE;
  ASSERT_TRUE(SetNamedPipeHandleState(client, &mode, nullptr, nullptr));
  Send(server, "0123456789", 10);
  Send(server, "", 0);
  Send(server, "ab", 2);
  DWORD read = 0, available = 0, left = 0;
  ASSERT_TRUE(PeekNamedPipe(client, nullptr, 0, nullptr, &available, &left));
  EXPECT_EQ(left, 10u);
  char buffer[16] = {};
  EXPECT_FALSE(ReadFile(client, buffer, 4, &read, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MORE_DATA));
  EXPECT_EQ(std::string(buffer, read), "0123");
  EXPECT_TRUE(ReadFile(client, buffer, 16, &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), "456789");
  EXPECT_TRUE(ReadFile(client, buffer, 16, &read, nullptr));
  EXPECT_EQ(read, 0u);
  EXPECT_TRUE(ReadFile(client, buffer, 16, &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), "ab");
  // The client's request reaches the server as one message as well.
  Send(client, "request", 7);
  EXPECT_TRUE(ReadFile(server, buffer, 16, &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), "request");
  ASSERT_TRUE(DisconnectNamedPipe(server));
  EXPECT_FALSE(ReadFile(client, buffer, 16, &read, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BROKEN_PIPE));
  EXPECT_FALSE(WriteFile(client, "x", 1, &read, nullptr));
  CloseHandle(client);
  CloseHandle(server);
}

TEST_F(NamedPipeTest, ByteTypePipeRefusesMessageMode) {
  HANDLE server, client;
  Connected(PIPE_TYPE_BYTE, server, client);
  DWORD mode = PIPE_READMODE_MESSAGE;
  EXPECT_FALSE(SetNamedPipeHandleState(client, &mode, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  Send(server, "0123456789", 10);
  char buffer[16];
  DWORD read = 0;
  EXPECT_TRUE(ReadFile(client, buffer, 4, &read, nullptr));
  EXPECT_EQ(read, 4u);
  CloseHandle(client);
  CloseHandle(server);
}

TEST_F(NamedPipeTest, WriteOnlyClientCannotRead) {
  HANDLE server = Server(PIPE_TYPE_MESSAGE);
  HANDLE client = Client(kName, GENERIC_WRITE);
  ASSERT_TRUE(ConnectNamedPipe(server, nullptr));
  char buffer[4];
  DWORD read = 0;
  EXPECT_FALSE(ReadFile(client, buffer, 4, &read, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(ReadFile(nullptr, buffer, 4, &read, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  CloseHandle(client);
  CloseHandle(server);
  EXPECT_FALSE(CloseHandle(server));
}

// Closing the last instance while another thread makes a new one must not
// leave the name looking served by someone else.
TEST_F(NamedPipeTest, InstancesComeAndGoOnSeveralThreads) {
  std::atomic<int> failures{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 200; ++i) {
        HANDLE server = Server(PIPE_TYPE_MESSAGE, PIPE_UNLIMITED_INSTANCES);
        if (server == INVALID_HANDLE_VALUE) {
          ++failures;
          continue;
        }
        CloseHandle(server);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(failures.load(), 0);
}

}  // namespace

namespace {

TEST_F(NamedPipeTest, TheTrafficRecordKeepsWhatClientsWroteWithTheirThread) {
  uint64_t mark = host::PipeTrafficMark();
  HANDLE server, client;
  Connected(PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE, server, client);
  const char16_t request[] = u"LOAD_ALL";
  Send(client, reinterpret_cast<const char*>(request), sizeof(request));
  Send(server, "OK", 2);  // a server's reply is not a client's write
  std::thread([&] { Send(client, "", 0); }).join();

  std::vector<host::PipeClientWrite> writes = host::PipeClientWritesSince(mark);
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0].pipe, kName);
  EXPECT_EQ(writes[0].Text(), u"LOAD_ALL");
  EXPECT_EQ(writes[0].bytes.size(), sizeof(request));
  EXPECT_EQ(writes[0].threadId, GetCurrentThreadId());
  EXPECT_TRUE(writes[1].bytes.empty());
  EXPECT_NE(writes[1].threadId, GetCurrentThreadId());
  EXPECT_TRUE(host::PipeClientWritesSince(host::PipeTrafficMark()).empty());
  CloseHandle(client);
  CloseHandle(server);
}

}  // namespace
