// Programs on the desktop (host/kernel32/Programs.h).
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>

#include "common/HostText.h"
#include "host/kernel32/Programs.h"
#include "host/user32/MessagePump.h"
#include "kernel32/ModuleTable.h"
#include "kernel32/ProgramProcess.h"
#include "user32/ThreadQueues.h"

using platform::ProgramProcess;

namespace {

typedef int(WINAPI* WinMainEntry)(HINSTANCE, HINSTANCE, LPWSTR, int);

// A copy of the image under a name of its own, so that the dynamic loader
// maps it as a new object whatever else is loaded; empty on failure.
std::string CopyOfImage(const std::string& imageFile, std::string* error) {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/lutem-program.XXXXXX";
  int in = open(imageFile.c_str(), O_RDONLY | O_CLOEXEC);
  int out = mkstemp(pattern.data());
  struct stat info {};
  bool copied = in >= 0 && out >= 0 && fstat(in, &info) == 0;
  for (off_t left = info.st_size; copied && left > 0;) {
    ssize_t sent = sendfile(out, in, nullptr, static_cast<size_t>(left));
    copied = sent > 0;
    left -= sent;
  }
  if (in >= 0) close(in);
  if (out >= 0) close(out);
  if (!copied) {
    *error = "cannot read " + imageFile;
    if (out >= 0) unlink(pattern.c_str());
    return {};
  }
  return pattern;
}

struct Loaded {
  HMODULE image = nullptr;
  void* dl = nullptr;
  WinMainEntry entry = nullptr;
};

// On the program's thread: its static initialisers run here.
Loaded LoadImage(const std::string& imageFile, std::string* error) {
  Loaded loaded;
  std::string copy = CopyOfImage(imageFile, error);
  if (copy.empty()) return loaded;
  loaded.image = platform::ModuleTable::Instance().LoadProgramImage(copy, &loaded.dl, error);
  unlink(copy.c_str());  // the mapping stays
  if (loaded.image == nullptr) return loaded;
  loaded.entry = reinterpret_cast<WinMainEntry>(dlsym(loaded.dl, "wWinMain"));
  if (loaded.entry == nullptr) {
    *error = imageFile + " exports no wWinMain";
    platform::ModuleTable::Instance().UnloadProgramImage(loaded.image, loaded.dl);
    loaded.image = nullptr;
  }
  return loaded;
}

void RunProgram(std::shared_ptr<ProgramProcess> process, host::ProgramStart start,
                std::promise<std::string> started) {
  ProgramProcess::SetCurrent(process);
  process->mainThread = GetCurrentThreadId();
  Loaded loaded;
  if (!start.imageFile.empty()) {
    std::string error;
    loaded = LoadImage(start.imageFile, &error);
    if (loaded.image == nullptr) {
      process->Finish(-1);
      ProgramProcess::SetCurrent(nullptr);
      started.set_value(error);
      return;
    }
    process->image = loaded.image;
  }
  started.set_value(std::string());
  std::u16string commandLine = start.commandLine;
  LPWSTR line = commandLine.data();
  int exitCode = loaded.entry != nullptr ? loaded.entry(loaded.image, nullptr, line, SW_SHOWNORMAL)
                                         : start.entry(platform::ProgramModule(), line);
  // The process ends: its windows go first, so that nothing calls into the
  // image once its static destructors have run and it is unmapped.
  platform::ThreadQueues::Instance().EndCurrent();
  if (loaded.dl != nullptr)
    platform::ModuleTable::Instance().UnloadProgramImage(loaded.image, loaded.dl);
  process->Finish(exitCode);
  ProgramProcess::SetCurrent(nullptr);
}

}  // namespace

namespace host {

DWORD StartProgram(const ProgramStart& start, std::string* error) {
  if (start.imageFile.empty() && !start.entry) {
    if (error) *error = "no program image";
    return 0;
  }
  std::u16string path = start.path;
  if (path.empty() && !start.imageFile.empty()) path = platform::WideFromUtf8(start.imageFile);
  auto process = std::make_shared<ProgramProcess>(
      start.imageFile.empty() ? platform::HostProgramModule() : nullptr, path, start.commandLine);
  std::promise<std::string> started;
  std::future<std::string> result = started.get_future();
  std::thread(RunProgram, process, start, std::move(started)).detach();
  std::string failure = result.get();
  if (!failure.empty()) {
    if (error) *error = failure;
    return 0;
  }
  return process->id;
}

ProgramWait WaitForInputIdle(DWORD processId, DWORD milliseconds) {
  std::shared_ptr<ProgramProcess> process = ProgramProcess::Find(processId);
  if (!process) return ProgramWait::Ended;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    PumpMessages();
    if (process->Ended()) return ProgramWait::Ended;
    auto queue = platform::ThreadQueues::Instance().Of(process->mainThread);
    if (queue && queue->IdleForInput()) {
      // What it posted to the host before it went idle is delivered too.
      PumpMessages();
      return ProgramWait::Idle;
    }
    if (milliseconds != INFINITE && std::chrono::steady_clock::now() >= deadline)
      return ProgramWait::TimedOut;
    process->WaitForEnd(1);
  }
}

int WaitForProgramExit(DWORD processId) {
  std::shared_ptr<ProgramProcess> process = ProgramProcess::Find(processId);
  if (!process) return -1;
  while (!process->WaitForEnd(1)) PumpMessages();
  PumpMessages();
  return process->ExitCode();
}

bool ProgramEnded(DWORD processId) {
  std::shared_ptr<ProgramProcess> process = ProgramProcess::Find(processId);
  return !process || process->Ended();
}

DWORD ProgramMainThread(DWORD processId) {
  std::shared_ptr<ProgramProcess> process = ProgramProcess::Find(processId);
  return process ? process->mainThread.load() : 0;
}

}  // namespace host
