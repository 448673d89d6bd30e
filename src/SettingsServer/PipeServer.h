#pragma once

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "PipeSecurity.h"
#include "Platform.h"

class SettingsRequestHandler;

// Serves the settings pipe. Each of its instances has a thread that waits
// for a client, reads one request, writes the reply and waits again. Clients
// do not wait for a busy pipe, so there are enough instances that several
// applications asking at once (each activation, every learned choice) all
// find one free.
class PipeServer {
 public:
  static constexpr unsigned kInstances = 128;
  // The longest request read; longer ones are drained and refused.
  static constexpr DWORD kMaxRequestBytes = 8192;
  // How long a connected client may take to send its request. An empty
  // message cannot be told from none yet, so it is dropped after this.
  static constexpr std::chrono::milliseconds kRequestTimeout{2000};

  explicit PipeServer(SettingsRequestHandler& handler);

  // Creates the pipe's instances and starts their threads; false (with
  // GetLastError) when the pipe cannot be created: ERROR_ACCESS_DENIED when
  // its name is taken (another server, or a program posing as one).
  bool Start();
  // Serves until the process ends.
  void Run();

 private:
  void Serve(HANDLE pipe);
  void Answer(HANDLE pipe);

  SettingsRequestHandler& handler_;
  PipeSecurity security_;
  std::vector<HANDLE> pipes_;
  std::vector<std::thread> threads_;
};
