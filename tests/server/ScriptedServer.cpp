#include "ScriptedServer.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Platform.h"
#include "common/SettingsIpcConstants.h"

namespace {

void WriteAll(int fd, const void* data, size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t n = write(fd, bytes, size);
    if (n <= 0) return;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
}

bool ReadAll(int fd, void* data, size_t size) {
  char* bytes = static_cast<char*>(data);
  while (size > 0) {
    ssize_t n = read(fd, bytes, size);
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

[[noreturn]] void ServeOnce(int report, const std::vector<char>& reply,
                            ScriptedServer::Answer answer, bool messageType) {
  DWORD type = messageType ? (PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE) : PIPE_TYPE_BYTE;
  HANDLE pipe =
      CreateNamedPipeW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                       PIPE_ACCESS_DUPLEX, type, 1, 4096, 4096, 0, nullptr);
  char ready = pipe == INVALID_HANDLE_VALUE ? 'F' : 'R';
  WriteAll(report, &ready, 1);
  if (pipe == INVALID_HANDLE_VALUE) _exit(1);
  ConnectNamedPipe(pipe, nullptr);
  std::vector<char> request(65536);
  DWORD read = 0;
  ReadFile(pipe, request.data(), static_cast<DWORD>(request.size()), &read, nullptr);
  uint32_t size = read;
  WriteAll(report, &size, sizeof(size));
  WriteAll(report, request.data(), read);
  if (answer == ScriptedServer::Answer::Silence) pause();
  if (answer == ScriptedServer::Answer::Reply) {
    DWORD written = 0;
    WriteFile(pipe, reply.data(), static_cast<DWORD>(reply.size()), &written, nullptr);
    // Stay until the client has read and closed.
    while (ReadFile(pipe, request.data(), 1, &read, nullptr) || GetLastError() == ERROR_MORE_DATA) {
    }
  }
  _exit(0);
}

}  // namespace

std::vector<char> Utf16Bytes(const std::u16string& text) {
  std::vector<char> bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

ScriptedServer::ScriptedServer(std::vector<char> reply, Answer answer, bool messageType) {
  int fds[2];
  if (pipe(fds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    close(fds[0]);
    ServeOnce(fds[1], reply, answer, messageType);
  }
  close(fds[1]);
  report_ = fds[0];
  char ready = 0;
  ready_ = pid_ > 0 && ReadAll(report_, &ready, 1) && ready == 'R';
}

std::vector<char> ScriptedServer::Request() {
  uint32_t size = 0;
  if (!ReadAll(report_, &size, sizeof(size))) return {};
  std::vector<char> request(size);
  if (!ReadAll(report_, request.data(), size)) return {};
  return request;
}

ScriptedServer::~ScriptedServer() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (report_ >= 0) close(report_);
}
