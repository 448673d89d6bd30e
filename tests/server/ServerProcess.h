#pragma once

#include <string>
#include <vector>

#ifdef _WIN32
#include "Platform.h"
#else
#include <sys/types.h>
#endif

// The built lutem-settings-server, run as a child process: under the current
// LUTEM_SYSTEM_ROOT on the stand-in; on Windows the copy beside the test
// program, in the user's own session.
class ServerProcess {
 public:
  ServerProcess() = default;
  ~ServerProcess();
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  // Starts it and waits until it answers; false when it does not.
  bool Start(const std::vector<std::string>& args = {});
  // Ends it at once, as a crash would, and collects it.
  void Kill();
  // Runs a second server to its end and returns its exit code.
  static int RunToExit(const std::vector<std::string>& args = {});

 private:
  bool Running();
#ifdef _WIN32
  static HANDLE Spawn(const std::vector<std::string>& args);
  HANDLE process_ = nullptr;
#else
  static pid_t Spawn(const std::vector<std::string>& args);
  pid_t pid_ = -1;
#endif
};
