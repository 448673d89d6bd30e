#pragma once

#include <string>

class SettingsStore;

// Starts the settings program for "SETTINGS" and "ABOUT". The program is the
// one named on the server's command line, else "LutemSettings.exe" in the
// installation root that the settings hold.
class SettingsProgramLauncher {
 public:
  SettingsProgramLauncher(std::u16string configuredProgram, SettingsStore& settings);

  // Starts the program, with "/about" for the About box alone; the reply.
  std::u16string Start(bool aboutOnly);

 private:
  std::u16string configuredProgram_;
  SettingsStore& settings_;
};
