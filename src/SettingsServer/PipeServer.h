#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "PipeSecurity.h"
#include "Platform.h"

class SettingsRequestHandler;

// Serves the settings pipe with a worker thread per instance: each waits
// for a client, reads one request, writes the reply, waits for the client
// to take it and waits again. Clients do not wait for a busy pipe, so there
// are enough instances that several applications asking at once (each
// activation, every learned choice) all find one free. No client holds an
// instance for long: each has a bounded time to send its request and
// another to take its reply and close, after which it is disconnected.
class PipeServer {
 public:
  static constexpr unsigned kInstances = 128;
  // The longest request read; longer ones are drained and refused.
  static constexpr DWORD kMaxRequestBytes = 8192;
  // How long a connected client may take to send its request. An empty
  // message cannot be told from none yet, so it is dropped after this.
  static constexpr std::chrono::milliseconds kRequestTimeout{2000};
  // How long a client may take to read its reply and close. A flush would
  // wait for that without end, for a client that never reads.
  static constexpr std::chrono::milliseconds kReplyTimeout{2000};

  explicit PipeServer(SettingsRequestHandler& handler);

  // Creates the pipe's instances and starts their threads; false (with
  // GetLastError) when the pipe cannot be created: ERROR_ACCESS_DENIED when
  // its name is taken (another server, or a program posing as one).
  bool Start();
  // Serves until Stop has been asked and every worker has ended.
  void Run();
  // Takes no new clients, but first serves every client already connected
  // or waiting for an instance; returns when all are served. Any thread.
  void Stop();

 private:
  void Serve(HANDLE pipe);
  void Answer(HANDLE pipe);

  SettingsRequestHandler& handler_;
  PipeSecurity security_;
  std::vector<HANDLE> pipes_;
  std::vector<std::thread> threads_;
  std::atomic<bool> stopping_{false};
  std::atomic<unsigned> serving_{0};
};
