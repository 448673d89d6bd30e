// lutem-settings-server: keeps the input method's settings and learned pairs
// and serves them on the settings pipe.
//   lutem-settings-server [--settings-program PATH]
// PATH is the settings program that "SETTINGS" and "ABOUT" start (default:
// LutemSettings.exe in the installation root).
#include <cstdio>
#include <string>
#include <vector>

#include "PipeServer.h"
#include "Platform.h"
#include "SettingsProgramLauncher.h"
#include "SettingsRequestHandler.h"
#include "SettingsStore.h"
#include "UserDictionaryStore.h"
#include "common/SettingsIpcConstants.h"

namespace {

PipeServer* runningServer = nullptr;
UserDictionaryStore* runningDictionary = nullptr;

// Ctrl+C, the console closing, log-off and shut-down: what clients already
// sent is served and stored before the server ends.
BOOL WINAPI StopServer(DWORD) {
  if (runningServer == nullptr) return FALSE;
  runningServer->Stop();
  runningDictionary->Flush();
  return TRUE;
}

int RunServer(const std::vector<std::u16string>& args) {
  std::u16string program;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == u"--settings-program" && i + 1 < args.size()) {
      program = args[++i];
    } else {
      std::fprintf(stderr, "usage: lutem-settings-server [--settings-program PATH]\n");
      return 2;
    }
  }
  SettingsStore settings;
  UserDictionaryStore dictionary;
  if (!settings.Open() || !dictionary.Open()) {
    std::fprintf(stderr, "lutem-settings-server: cannot open the settings in the registry\n");
    return 1;
  }
  SettingsProgramLauncher launcher(program, settings);
  SettingsRequestHandler handler(settings, dictionary, launcher);
  PipeServer server(handler);
  // The pipe itself is the single-instance check: its first instance is
  // this server's or it does not serve. The name is the same for every user
  // of the machine, so a second user's server ends here too.
  if (!server.Start()) {
    DWORD error = GetLastError();
    if (error == ERROR_ACCESS_DENIED)
      std::fprintf(stderr,
                   "lutem-settings-server: the settings pipe is taken by another program "
                   "(another settings server, maybe of another user); not serving\n");
    else
      std::fprintf(stderr, "lutem-settings-server: cannot create the settings pipe (error %u)\n",
                   static_cast<unsigned>(error));
    return 1;
  }
  runningServer = &server;
  runningDictionary = &dictionary;
  SetConsoleCtrlHandler(StopServer, TRUE);
  std::printf("lutem-settings-server: serving with %zu learned pairs\n", dictionary.size());
  std::fflush(stdout);
  server.Run();
  dictionary.Flush();
  SetConsoleCtrlHandler(StopServer, FALSE);
  runningServer = nullptr;
  return 0;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
  return RunServer(args);
}
#else
int main(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) {
    std::string arg(argv[i]);
    std::u16string wide(arg.size(), u'\0');
    int units = arg.empty() ? 0
                            : MultiByteToWideChar(CP_UTF8, 0, arg.data(), static_cast<int>(arg.size()),
                                                  reinterpret_cast<LPWSTR>(wide.data()),
                                                  static_cast<int>(wide.size()));
    wide.resize(units > 0 ? static_cast<size_t>(units) : 0);
    args.push_back(wide);
  }
  return RunServer(args);
}
#endif
