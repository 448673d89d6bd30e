#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "PipeSecurity.h"
#include "Platform.h"

class SettingsRequestHandler;

// Serves the settings pipe with a worker thread per instance: each waits
// for a client, reads one request, writes the reply, waits for the client
// to take it and waits again. Clients do not wait for a busy pipe: a
// request that finds no instance free is lost (a learned choice, a setting
// the input method falls back to its default for). So a number of
// instances is kept listening ahead at all times: the worker that a client
// reaches first makes another listening instance, before it serves, and
// instances in service never count against those waiting. A burst of
// clients then finds a free instance even while the workers are slow to
// run, as on a busy machine. No client holds an instance for long: each has
// a bounded time to send its request and another to take its reply and
// close, after which it is disconnected.
class PipeServer {
 public:
  // Instances kept listening ahead of the clients.
  static constexpr unsigned kListening = 128;
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
  // Makes instances and their workers until kListening are listening;
  // false when not even one more could be made.
  bool KeepListening();
  // One more listening instance with its worker (lock_ held).
  bool AddInstance(bool first);

  SettingsRequestHandler& handler_;
  PipeSecurity security_;
  std::mutex lock_;
  std::condition_variable ended_;
  std::vector<std::thread> threads_;  // every worker made, until Run joins them
  unsigned listening_ = 0;            // workers waiting for a client
  unsigned serving_ = 0;              // workers not ended
  std::atomic<bool> stopping_{false};
};
