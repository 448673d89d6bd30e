#include "SessionSettingsServer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>
#include <vector>

#include "Platform.h"
#include "common/SettingsIpcConstants.h"
#include "service/settings/SendSettingsCommand.h"

extern char** environ;

namespace {

// Whether a server listens on the settings pipe. A busy pipe has one too.
bool ServerListens() {
  HANDLE pipe = CreateFileW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                            GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (pipe != INVALID_HANDLE_VALUE) {
    CloseHandle(pipe);
    return true;
  }
  return GetLastError() == ERROR_PIPE_BUSY;
}

bool Answers() {
  std::u16string reply = SendSettingsCommand(u"LOAD ThemeID");
  return reply.rfind(SettingsIpcConstants::errorPrefix, 0) != 0;
}

}  // namespace

SessionSettingsServer::~SessionSettingsServer() {
  if (pid_ <= 0) return;
  // The server stores learned pairs on a writer thread after it answered;
  // the flush waits for them. Then it is asked to stop as a closing console
  // would: it first serves the requests already sent (a choice learned by
  // the session's last key is written without waiting for an answer) and
  // stores them, then ends.
  SendSettingsCommand(std::u16string(SettingsIpcConstants::commandFlushUserDict));
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
}

bool SessionSettingsServer::Ensure(const std::string& program, std::string* message) {
  if (ServerListens()) return true;
  // Its greeting and messages are not the session's output.
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
  pid_t pid = -1;
  int spawned = posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (spawned != 0) {
    *message = "cannot start " + program;
    return false;
  }
  pid_ = pid;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (Answers()) return true;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      // Another server may have won the race for the pipe.
      if (Answers()) return true;
      *message = program + " ended at once (exit " +
                 std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + ")";
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  *message = program + " does not answer";
  return false;
}
