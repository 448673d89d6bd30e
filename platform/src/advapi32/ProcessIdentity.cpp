#include "advapi32/ProcessIdentity.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "host/SystemRoot.h"
#include "host/advapi32/ProcessUser.h"

namespace platform {

namespace {

std::string RecordPath(DWORD processId) {
  return SystemRootFolder() + "/.processes/" + std::to_string(processId);
}

// The start time in /proc tells a process from a later one that got its id.
std::string StartTime(DWORD processId) {
  std::ifstream stat("/proc/" + std::to_string(processId) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return std::string();
  size_t close = line.rfind(')');
  if (close == std::string::npos) return std::string();
  std::istringstream fields(line.substr(close + 1));
  std::string field;
  // Fields after the name start at the third; the start time is the 22nd.
  for (int index = 3; index <= 22 && fields >> field; ++index) {
    if (index == 22) return field;
  }
  return std::string();
}

ProcessIdentity FromValues(const char* user, const char* appContainer) {
  ProcessIdentity identity;
  identity.userSid = user != nullptr && *user != '\0' ? user : host::DefaultUserSid();
  identity.appContainer = appContainer != nullptr && std::string(appContainer) == "1";
  return identity;
}

ProcessIdentity FromStartEnvironment(DWORD processId) {
  std::ifstream environ("/proc/" + std::to_string(processId) + "/environ", std::ios::binary);
  std::string user, appContainer, entry;
  const std::string userPrefix = std::string(host::kProcessUserVariable) + "=";
  const std::string appPrefix = std::string(host::kProcessAppContainerVariable) + "=";
  while (std::getline(environ, entry, '\0')) {
    if (entry.rfind(userPrefix, 0) == 0) user = entry.substr(userPrefix.size());
    if (entry.rfind(appPrefix, 0) == 0) appContainer = entry.substr(appPrefix.size());
  }
  return FromValues(user.c_str(), appContainer.c_str());
}

}  // namespace

ProcessIdentity CurrentProcessIdentity() {
  return FromValues(std::getenv(host::kProcessUserVariable),
                    std::getenv(host::kProcessAppContainerVariable));
}

bool IdentityOfProcess(DWORD processId, ProcessIdentity& identity) {
  if (processId == static_cast<DWORD>(getpid())) {
    identity = CurrentProcessIdentity();
    return true;
  }
  if (processId == 0 || (kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH))
    return false;
  std::string started = StartTime(processId);
  std::ifstream record(RecordPath(processId));
  std::string recordStart, user, appContainer;
  if (std::getline(record, recordStart) && recordStart == started && !started.empty() &&
      std::getline(record, user) && std::getline(record, appContainer)) {
    identity = FromValues(user.c_str(), appContainer.c_str());
  } else {
    identity = FromStartEnvironment(processId);
  }
  return true;
}

void RecordCurrentProcessIdentity() {
  DWORD self = static_cast<DWORD>(getpid());
  std::string folder = SystemRootFolder() + "/.processes";
  if (!EnsureFolder(folder)) return;
  ProcessIdentity identity = CurrentProcessIdentity();
  std::string path = RecordPath(self);
  std::string temporary = path + ".new";
  {
    std::ofstream record(temporary, std::ios::trunc);
    record << StartTime(self) << '\n' << identity.userSid << '\n'
           << (identity.appContainer ? "1" : "0") << '\n';
    if (!record) return;
  }
  std::rename(temporary.c_str(), path.c_str());
}

}  // namespace platform

namespace host {

std::string DefaultUserSid() { return "S-1-5-21-1004336348-1177238915-682003330-1001"; }
std::string OtherUserSid() { return "S-1-5-21-1004336348-1177238915-682003330-1002"; }

void SetProcessUser(const std::string& sid) { setenv(kProcessUserVariable, sid.c_str(), 1); }

void SetProcessAppContainer(bool inAppContainer) {
  if (inAppContainer)
    setenv(kProcessAppContainerVariable, "1", 1);
  else
    unsetenv(kProcessAppContainerVariable);
}

}  // namespace host
