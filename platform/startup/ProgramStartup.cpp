// The start-up of a Windows program built as an executable of its own on
// the stand-in, in the place of the C runtime's: main() makes the program's
// process of the stand-in (host/kernel32/Programs.h) on the calling thread
// and calls wWinMain with the program's instance, the command line after
// its name and SW_SHOWDEFAULT. The program's path is its Windows path when
// it lies on drive C: (under LUTEM_SYSTEM_ROOT), else its host path.
//
// Nobody sits at this desktop: a dialog of the program that is left with
// nothing to do is closed with its close box, as a user would close it once
// seen, so the program runs its course and ends.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "Platform.h"
#include "common/HostText.h"
#include "host/SystemRoot.h"
#include "host/kernel32/Programs.h"
#include "host/user32/Dialogs.h"
#include "kernel32/ModuleTable.h"
#include "kernel32/ProgramProcess.h"

namespace {

std::string ExecutablePath() {
  char buffer[4096];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer));
  return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

// The arguments joined again as Windows passes a command line: blanks
// between them, double quotes around one that holds a blank or is empty.
std::u16string CommandLine(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (i > 1) line += ' ';
    if (arg.empty() || arg.find_first_of(" \t") != std::string::npos)
      line += '"' + arg + '"';
    else
      line += arg;
  }
  return platform::WideFromUtf8(line);
}

void CloseDialogsLeftIdle(const std::shared_ptr<platform::ProgramProcess>& process,
                          const std::atomic<bool>& ended) {
  while (!ended) {
    if (host::WaitForInputIdle(process->id, 100) != host::ProgramWait::Idle) continue;
    HWND dialog = host::ActiveDialog(process->mainThread);
    if (dialog != nullptr && host::ClickCloseBox(dialog)) continue;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::u16string commandLine = CommandLine(argc, argv);
  auto process = std::make_shared<platform::ProgramProcess>(
      platform::HostProgramModule(), platform::WindowsPathFromHostPath(ExecutablePath()),
      commandLine);
  platform::ProgramProcess::SetCurrent(process);
  process->mainThread = GetCurrentThreadId();
  std::atomic<bool> ended{false};
  std::thread user(CloseDialogsLeftIdle, process, std::cref(ended));
  int exitCode = wWinMain(GetModuleHandleW(nullptr), nullptr, commandLine.data(), SW_SHOWDEFAULT);
  ended = true;
  user.join();
  process->Finish(exitCode);
  return exitCode;
}
