#pragma once

#include <string>

#include <sys/types.h>

// The settings server a session talks to, as the input method does: the
// one already serving the pipe, or else lutem-settings-server (found next to
// lutem-host) started for the session, which goes again at its end.
class SessionSettingsServer {
 public:
  SessionSettingsServer() = default;
  // Stops the server this object started, once it has served and stored
  // every request already sent to it; the session's text service must be
  // deactivated first.
  ~SessionSettingsServer();
  SessionSettingsServer(const SessionSettingsServer&) = delete;
  SessionSettingsServer& operator=(const SessionSettingsServer&) = delete;

  // True when a server answers, whether it ran before or was started now;
  // false with a message otherwise (the session then runs on the defaults).
  bool Ensure(const std::string& program, std::string* message);
  bool Started() const { return pid_ > 0; }

 private:
  pid_t pid_ = -1;
};
