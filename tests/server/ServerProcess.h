#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// The built lutem-settings-server, run as a child process under the current
// LUTEM_SYSTEM_ROOT.
class ServerProcess {
 public:
  ServerProcess() = default;
  ~ServerProcess();
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  // Starts it and waits until it answers; false when it does not.
  bool Start(const std::vector<std::string>& args = {});
  // Ends it with the signal (SIGKILL: as a crash would) and collects it.
  void Stop(int signal);
  // Runs a second server to its end and returns its exit code.
  static int RunToExit(const std::vector<std::string>& args = {});

 private:
  static pid_t Spawn(const std::vector<std::string>& args);
  pid_t pid_ = -1;
};
