#pragma once

#include <string>

#include "Platform.h"

namespace platform {

// Who a process runs as (host/advapi32/ProcessUser.h).
struct ProcessIdentity {
  std::string userSid;
  bool appContainer = false;
};

// The calling process, from its environment now.
ProcessIdentity CurrentProcessIdentity();
// Any process under the system root; false when it does not exist.
bool IdentityOfProcess(DWORD processId, ProcessIdentity& identity);
// Leaves the calling process's identity where other processes read it.
void RecordCurrentProcessIdentity();

}  // namespace platform
