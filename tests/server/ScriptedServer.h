#pragma once

#include <string>
#include <vector>

#ifdef _WIN32
#include <future>
#include <thread>

#include "Platform.h"
#else
#include <sys/types.h>
#endif

// A one-connection pipe server that answers with bytes the test chooses, so
// the client meets replies the settings server never sends. It reports the
// exact bytes of the request it read. On the stand-in it is a child process;
// on Windows a thread of the test, since a process of the test program
// would run all of gtest again.
class ScriptedServer {
 public:
  enum class Answer { Reply, Silence, Hangup };

  // messageType false makes a byte-type pipe. A user (a SID, stand-in only)
  // runs the server as that user, with a pipe that lets everybody in, as a
  // program posing as the settings server would.
  ScriptedServer(std::vector<char> reply, Answer answer = Answer::Reply, bool messageType = true,
                 const std::string& user = std::string());
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  bool ready() const { return ready_; }
  // The request as the server read it (waits for the server to report it).
  std::vector<char> Request();

 private:
#ifdef _WIN32
  void Serve(HANDLE pipe, std::vector<char> reply, Answer answer);

  std::thread thread_;
  HANDLE release_ = nullptr;  // ends a silent server's wait
  std::promise<std::vector<char>> requestRead_;
  std::shared_future<std::vector<char>> request_;
#else
  pid_t pid_ = -1;
  int report_ = -1;
#endif
  bool ready_ = false;
};

// UTF-16LE bytes of a text, without a NUL.
std::vector<char> Utf16Bytes(const std::u16string& text);
