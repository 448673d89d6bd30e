#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "Platform.h"
#include "support/TempSystemRoot.h"

namespace {

const char16_t kName[] = u"Global\\LutemTestMutex";

class NamedMutexTest : public ::testing::Test {
 protected:
  TempSystemRoot root_;
};

TEST_F(NamedMutexTest, SecondCreatorFindsTheNameUntilEveryHandleIsClosed) {
  HANDLE first = CreateMutexW(nullptr, TRUE, kName);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  HANDLE second = CreateMutexW(nullptr, TRUE, u"global\\lutemtestmutex");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  // Only the creator owns it.
  EXPECT_FALSE(ReleaseMutex(second));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_OWNER));
  bool releasedElsewhere = true;
  std::thread([&] { releasedElsewhere = ReleaseMutex(first); }).join();
  EXPECT_FALSE(releasedElsewhere);
  EXPECT_TRUE(ReleaseMutex(first));
  CloseHandle(first);
  CloseHandle(second);
  HANDLE third = CreateMutexW(nullptr, FALSE, kName);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  CloseHandle(third);
}

TEST_F(NamedMutexTest, NameIsSharedWithOtherProcessesWhileTheyLive) {
  int ready[2], done[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(done), 0);
  pid_t child = fork();
  if (child == 0) {
    HANDLE mutex = CreateMutexW(nullptr, TRUE, kName);
    char byte = mutex != nullptr ? 'R' : 'F';
    (void)!write(ready[1], &byte, 1);
    (void)!read(done[0], &byte, 1);
    _exit(0);
  }
  char byte = 0;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  ASSERT_EQ(byte, 'R');
  HANDLE mine = CreateMutexW(nullptr, TRUE, kName);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  CloseHandle(mine);
  (void)!write(done[1], "x", 1);
  waitpid(child, nullptr, 0);
  // The child's handle went with it.
  mine = CreateMutexW(nullptr, TRUE, kName);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  CloseHandle(mine);
  for (int fd : {ready[0], ready[1], done[0], done[1]}) close(fd);
}

}  // namespace
