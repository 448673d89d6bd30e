#include "kernel32/ProgramProcess.h"

#include <unistd.h>

#include <chrono>
#include <map>

namespace platform {
namespace {

struct Registry {
  std::mutex lock;
  // Kept after they end, so the host can still ask how they ended.
  std::map<DWORD, std::shared_ptr<ProgramProcess>> processes;
  std::map<DWORD, DWORD> processOfThread;
  DWORD nextId = 0x1000;
};

Registry& Processes() {
  static Registry* registry = new Registry;  // used until the process ends
  return *registry;
}

thread_local std::shared_ptr<ProgramProcess> current;

DWORD NewId() {
  Registry& registry = Processes();
  std::lock_guard<std::mutex> hold(registry.lock);
  registry.nextId += 4;
  return registry.nextId;
}

}  // namespace

ProgramProcess::ProgramProcess(HMODULE image, std::u16string path, std::u16string commandLine)
    : id(NewId()), image(image), path(std::move(path)), commandLine(std::move(commandLine)) {}

std::shared_ptr<ProgramProcess> ProgramProcess::Current() { return current; }

void ProgramProcess::SetCurrent(const std::shared_ptr<ProgramProcess>& process) {
  current = process;
  Registry& registry = Processes();
  std::lock_guard<std::mutex> hold(registry.lock);
  if (process) {
    registry.processes[process->id] = process;
    registry.processOfThread[GetCurrentThreadId()] = process->id;
  } else {
    registry.processOfThread.erase(GetCurrentThreadId());
  }
}

std::shared_ptr<ProgramProcess> ProgramProcess::Find(DWORD processId) {
  Registry& registry = Processes();
  std::lock_guard<std::mutex> hold(registry.lock);
  auto found = registry.processes.find(processId);
  return found == registry.processes.end() ? nullptr : found->second;
}

DWORD ProgramProcess::IdOfThread(DWORD threadId) {
  Registry& registry = Processes();
  std::lock_guard<std::mutex> hold(registry.lock);
  auto found = registry.processOfThread.find(threadId);
  return found == registry.processOfThread.end() ? static_cast<DWORD>(getpid()) : found->second;
}

void ProgramProcess::Finish(int exitCode) {
  std::lock_guard<std::mutex> hold(lock_);
  exitCode_ = exitCode;
  finished_ = true;
  ended_.notify_all();
}

bool ProgramProcess::Ended() {
  std::lock_guard<std::mutex> hold(lock_);
  return finished_;
}

int ProgramProcess::ExitCode() {
  std::lock_guard<std::mutex> hold(lock_);
  return exitCode_;
}

bool ProgramProcess::WaitForEnd(DWORD milliseconds) {
  std::unique_lock<std::mutex> hold(lock_);
  if (milliseconds == INFINITE) {
    ended_.wait(hold, [&] { return finished_; });
    return true;
  }
  return ended_.wait_for(hold, std::chrono::milliseconds(milliseconds), [&] { return finished_; });
}

}  // namespace platform
