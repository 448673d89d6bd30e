#include <unistd.h>

#include "advapi32/AccessToken.h"
#include "kernel32/HandleTable.h"

using platform::HandleTable;
using platform::ProcessIdentity;

HANDLE GetCurrentProcess() { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)); }

DWORD GetCurrentProcessId() { return static_cast<DWORD>(getpid()); }

HANDLE OpenProcess(DWORD desiredAccess, BOOL inheritHandle, DWORD processId) {
  (void)desiredAccess;
  (void)inheritHandle;
  ProcessIdentity target;
  if (!platform::IdentityOfProcess(processId, target)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // A process in an AppContainer may open itself and nothing outside.
  if (platform::CurrentProcessIdentity().appContainer && processId != GetCurrentProcessId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  SetLastError(ERROR_SUCCESS);
  return HandleTable::Instance().Add(std::make_shared<platform::ProcessObject>(processId));
}
