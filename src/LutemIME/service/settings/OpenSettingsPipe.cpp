#include "service/settings/OpenSettingsPipe.h"

#include "common/ProcessUser.h"
#include "common/SettingsIpcConstants.h"
#include "service/settings/DebugLog.h"

HANDLE OpenSettingsPipe(DWORD access) {
  HANDLE pipe = CreateFileW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                            access, 0, nullptr, OPEN_EXISTING,
                            SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
  if (pipe == INVALID_HANDLE_VALUE) return INVALID_HANDLE_VALUE;
  if (!PipeServedBySameUser(pipe)) {
    DebugLogW(TEXT("Settings pipe is not served by this user's settings server; using defaults.\n"));
    CloseHandle(pipe);
    return INVALID_HANDLE_VALUE;
  }
  return pipe;
}
