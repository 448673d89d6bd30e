#include "FreshProcess.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "support/TempSystemRoot.h"

extern char** environ;

namespace {

const char kCaseVariable[] = "LUTEM_FRESH_PROCESS_CASE";

}  // namespace

bool InFreshProcess() { return std::getenv(kCaseVariable) != nullptr; }

std::string FreshProcessCase() {
  const char* value = std::getenv(kCaseVariable);
  return value != nullptr ? value : "";
}

void RunInFreshProcess(const std::string& testName, const std::string& caseName) {
  SCOPED_TRACE(testName + (caseName.empty() ? "" : " [" + caseName + "]"));
  TempSystemRoot root;  // the child inherits LUTEM_SYSTEM_ROOT
  setenv(kCaseVariable, caseName.c_str(), 1);

  int output[2];
  ASSERT_EQ(pipe(output), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  std::string program = "/proc/self/exe";
  std::string filter = "--gtest_filter=" + testName;
  char* argv[] = {program.data(), filter.data(), nullptr};
  pid_t child = 0;
  int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  unsetenv(kCaseVariable);
  close(output[1]);
  std::string text;
  if (spawned == 0) {
    char chunk[4096];
    ssize_t got;
    while ((got = read(output[0], chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR))
      if (got > 0) text.append(chunk, static_cast<size_t>(got));
  }
  close(output[0]);
  ASSERT_EQ(spawned, 0) << std::strerror(spawned);

  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child run:\n" << text;
  // A filter that matched nothing would pass without running the body.
  EXPECT_NE(text.find("[  PASSED  ] 1 test"), std::string::npos) << text;
}
