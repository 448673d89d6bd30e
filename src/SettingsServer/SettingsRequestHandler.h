#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "Platform.h"

class SettingsStore;
class SettingsProgramLauncher;
class UserDictionaryStore;

// Turns one request message into its reply. Never throws and never returns
// more than a client can read (1023 UTF-16 units): anything it cannot serve
// gets an "Error: " reply.
class SettingsRequestHandler {
 public:
  SettingsRequestHandler(SettingsStore& settings, UserDictionaryStore& dictionary,
                         SettingsProgramLauncher& launcher);

  // The message's bytes as they came from the pipe.
  std::u16string Handle(const BYTE* message, size_t size);
  std::u16string HandleText(std::u16string_view request);

 private:
  std::u16string Save(std::u16string_view arguments);
  std::u16string Learn(std::u16string_view entry);

  SettingsStore& settings_;
  UserDictionaryStore& dictionary_;
  SettingsProgramLauncher& launcher_;
};
