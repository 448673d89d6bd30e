#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// A one-connection pipe server in a child process that answers with bytes
// the test chooses, so the client meets replies the settings server never
// sends. It reports the exact bytes of the request it read.
class ScriptedServer {
 public:
  enum class Answer { Reply, Silence, Hangup };

  // messageType false makes a byte-type pipe.
  ScriptedServer(std::vector<char> reply, Answer answer = Answer::Reply, bool messageType = true);
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  bool ready() const { return ready_; }
  // The request as the server read it (waits for the child to report it).
  std::vector<char> Request();

 private:
  pid_t pid_ = -1;
  int report_ = -1;
  bool ready_ = false;
};

// UTF-16LE bytes of a text, without a NUL.
std::vector<char> Utf16Bytes(const std::u16string& text);
