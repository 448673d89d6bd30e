#include "ScriptedServer.h"

#ifndef _WIN32
#include "host/advapi32/ProcessUser.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "Platform.h"
#include "common/SettingsIpcConstants.h"

std::vector<char> Utf16Bytes(const std::u16string& text) {
  std::vector<char> bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

namespace {

HANDLE CreateScriptedPipe(bool messageType, bool openToAll = false) {
  DWORD type = messageType ? (PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE) : PIPE_TYPE_BYTE;
  SECURITY_DESCRIPTOR descriptor;
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE);  // no DACL: everybody
  SECURITY_ATTRIBUTES attributes{sizeof(attributes), &descriptor, FALSE};
  return CreateNamedPipeW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                          PIPE_ACCESS_DUPLEX, type, 1, 4096, 4096, 0,
                          openToAll ? &attributes : nullptr);
}

// Stays until the client has read and closed.
void WaitForClientToClose(HANDLE pipe) {
  char byte;
  DWORD read = 0;
  while (ReadFile(pipe, &byte, 1, &read, nullptr) || GetLastError() == ERROR_MORE_DATA) {
  }
}

}  // namespace

#ifdef _WIN32

ScriptedServer::ScriptedServer(std::vector<char> reply, Answer answer, bool messageType,
                               const std::string&)
    : request_(requestRead_.get_future().share()) {
  HANDLE pipe = CreateScriptedPipe(messageType);
  release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (pipe == INVALID_HANDLE_VALUE || release_ == nullptr) {
    if (pipe != INVALID_HANDLE_VALUE) CloseHandle(pipe);
    return;
  }
  ready_ = true;
  thread_ = std::thread(&ScriptedServer::Serve, this, pipe, std::move(reply), answer);
}

void ScriptedServer::Serve(HANDLE pipe, std::vector<char> reply, Answer answer) {
  ConnectNamedPipe(pipe, nullptr);
  std::vector<char> request(65536);
  DWORD read = 0;
  if (!ReadFile(pipe, request.data(), static_cast<DWORD>(request.size()), &read, nullptr)) read = 0;
  request.resize(read);
  requestRead_.set_value(std::move(request));
  if (answer == Answer::Silence) WaitForSingleObject(release_, INFINITE);
  if (answer == Answer::Reply) {
    DWORD written = 0;
    WriteFile(pipe, reply.data(), static_cast<DWORD>(reply.size()), &written, nullptr);
    WaitForClientToClose(pipe);
  }
  CloseHandle(pipe);
}

std::vector<char> ScriptedServer::Request() {
  if (!ready_) return {};
  return request_.get();
}

ScriptedServer::~ScriptedServer() {
  if (thread_.joinable()) {
    SetEvent(release_);
    // A server still waiting for its client is given one, so it can end.
    if (request_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
      HANDLE client =
          CreateFileW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                      GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      if (client != INVALID_HANDLE_VALUE) CloseHandle(client);
    }
    thread_.join();
  }
  if (release_ != nullptr) CloseHandle(release_);
}

#else

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
                            ScriptedServer::Answer answer, bool messageType,
                            const std::string& user) {
  if (!user.empty()) host::SetProcessUser(user);
  HANDLE pipe = CreateScriptedPipe(messageType, !user.empty());
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
    WaitForClientToClose(pipe);
  }
  _exit(0);
}

}  // namespace

ScriptedServer::ScriptedServer(std::vector<char> reply, Answer answer, bool messageType,
                               const std::string& user) {
  int fds[2];
  if (pipe(fds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    close(fds[0]);
    ServeOnce(fds[1], reply, answer, messageType, user);
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

#endif
