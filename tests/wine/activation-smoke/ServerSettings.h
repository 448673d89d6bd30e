#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Platform.h"

// The settings the smoke stores through the settings server before the text
// service is activated, each away from its default, so that the values the
// activation leaves in the text service's module can only have come from
// the server's reply to LOAD_ALL.
struct ServerSetting {
  const char* key;  // the setting's key, which is also the module's variable
  int32_t value;
};
const std::vector<ServerSetting>& ServerSettings();

// Waits until the settings server's pipe exists, at most timeoutMs.
bool WaitForSettingsServer(DWORD timeoutMs);

// One request through the input method's own pipe client; the reply in
// ASCII (non-ASCII units as '?').
std::string SendToServer(const std::string& request);
