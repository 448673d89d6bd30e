#include "ServerSettings.h"

#include "common/SettingsIpcConstants.h"
#include "service/settings/SendSettingsCommand.h"

const std::vector<ServerSetting>& ServerSettings() {
  // The defaults are layout 2, encoding 0, and both flags on.
  static const std::vector<ServerSetting> settings = {
      {"CurrentLayout", 5}, {"CurrentEncoding", 1}, {"CandidateWindow", 0}, {"SmartCorrection", 0}};
  return settings;
}

bool WaitForSettingsServer(DWORD timeoutMs) {
  const auto* pipe = reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data());
  const DWORD start = GetTickCount();
  for (;;) {
    // Busy is fine: it exists.
    if (WaitNamedPipeW(pipe, 100) || GetLastError() == ERROR_SEM_TIMEOUT) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(100);
  }
}

std::string SendToServer(const std::string& request) {
  std::u16string wide(request.begin(), request.end());
  std::u16string reply = SendSettingsCommand(wide);
  std::string narrow;
  for (char16_t unit : reply) narrow += unit < 0x80 ? static_cast<char>(unit) : '?';
  return narrow;
}
