#include "ServerProcess.h"

#ifndef _WIN32
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#endif

#include <chrono>
#include <thread>

#include "common/SettingsIpcConstants.h"
#include "service/settings/SendSettingsCommand.h"

#ifdef _WIN32

namespace {

std::wstring Widen(const std::string& text) {
  if (text.empty()) return std::wstring();
  int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), units);
  return wide;
}

// One argument as CommandLineToArgvW splits it again: quoted, with the
// backslashes before a quote doubled.
std::wstring Quote(const std::wstring& arg) {
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t unit : arg) {
    if (unit == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(unit == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += unit;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

// The server is built into the test program's own folder.
std::wstring ServerPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return Widen(LUTEM_SETTINGS_SERVER);
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1) + Widen(LUTEM_SETTINGS_SERVER);
}

}  // namespace

HANDLE ServerProcess::Spawn(const std::vector<std::string>& args) {
  std::wstring program = ServerPath();
  std::wstring commandLine = Quote(program);
  for (const std::string& arg : args) commandLine += L" " + Quote(Widen(arg));
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info))
    return nullptr;
  CloseHandle(info.hThread);
  return info.hProcess;
}

bool ServerProcess::Running() {
  if (process_ == nullptr) return false;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) return true;
  CloseHandle(process_);
  process_ = nullptr;
  return false;
}

void ServerProcess::Kill() {
  if (process_ == nullptr) return;
  TerminateProcess(process_, 1);
  WaitForSingleObject(process_, INFINITE);
  CloseHandle(process_);
  process_ = nullptr;
}

int ServerProcess::RunToExit(const std::vector<std::string>& args) {
  HANDLE process = Spawn(args);
  if (process == nullptr) return -1;
  DWORD code = 0;
  bool ended = WaitForSingleObject(process, INFINITE) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return ended ? static_cast<int>(code) : -1;
}

#else

extern char** environ;

pid_t ServerProcess::Spawn(const std::vector<std::string>& args) {
  std::vector<std::string> all{LUTEM_SETTINGS_SERVER};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : all) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

bool ServerProcess::Running() {
  if (pid_ < 0) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) != pid_) return true;
  pid_ = -1;
  return false;
}

void ServerProcess::Kill() {
  if (pid_ < 0) return;
  kill(pid_, SIGKILL);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
}

int ServerProcess::RunToExit(const std::vector<std::string>& args) {
  pid_t pid = Spawn(args);
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

#endif

bool ServerProcess::Start(const std::vector<std::string>& args) {
#ifdef _WIN32
  process_ = Spawn(args);
#else
  pid_ = Spawn(args);
#endif
  if (!Running()) return false;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    std::u16string reply = SendSettingsCommand(u"LOAD ThemeID");
    if (reply.rfind(SettingsIpcConstants::errorPrefix, 0) != 0) return true;
    if (!Running()) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

ServerProcess::~ServerProcess() { Kill(); }
