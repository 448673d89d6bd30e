#include "ServerProcess.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "common/SettingsIpcConstants.h"
#include "service/settings/SendSettingsCommand.h"

extern char** environ;

pid_t ServerProcess::Spawn(const std::vector<std::string>& args) {
  std::vector<std::string> all{LUTEM_SETTINGS_SERVER};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : all) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

bool ServerProcess::Start(const std::vector<std::string>& args) {
  pid_ = Spawn(args);
  if (pid_ < 0) return false;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    std::u16string reply = SendSettingsCommand(u"LOAD ThemeID");
    if (reply.rfind(SettingsIpcConstants::errorPrefix, 0) != 0) return true;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

void ServerProcess::Stop(int signal) {
  if (pid_ < 0) return;
  kill(pid_, signal);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
}

int ServerProcess::RunToExit(const std::vector<std::string>& args) {
  pid_t pid = Spawn(args);
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

ServerProcess::~ServerProcess() { Stop(SIGKILL); }
