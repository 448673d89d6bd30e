#include "SettingsProgramLauncher.h"

#include "Platform.h"
#include "RequestText.h"
#include "SettingsStore.h"
#include "common/SettingsIpcConstants.h"

SettingsProgramLauncher::SettingsProgramLauncher(std::u16string configuredProgram,
                                                 SettingsStore& settings)
    : configuredProgram_(std::move(configuredProgram)), settings_(settings) {}

std::u16string SettingsProgramLauncher::Start(bool aboutOnly) {
  std::u16string program = configuredProgram_;
  if (program.empty()) program = settings_.RootFolder() + u"\\LutemSettings.exe";
  HINSTANCE result = ShellExecuteW(nullptr, reinterpret_cast<LPCWSTR>(u"open"),
                                   reinterpret_cast<LPCWSTR>(program.c_str()),
                                   aboutOnly ? reinterpret_cast<LPCWSTR>(u"/about") : nullptr,
                                   nullptr, SW_SHOWNORMAL);
  // ShellExecuteW reports success as a value above 32.
  if (reinterpret_cast<INT_PTR>(result) <= 32)
    return ErrorReply(u"Could not start the settings program.");
  return std::u16string(SettingsIpcConstants::replyOk);
}
