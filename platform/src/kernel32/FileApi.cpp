#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "kernel32/HandleTable.h"
#include "kernel32/PipeInstance.h"
#include "kernel32/PipePath.h"
#include "kernel32/PipeSecurity.h"
#include "kernel32/PipeTraffic.h"

using platform::HandleTable;
using platform::PipeEnd;
using platform::PipeEndOfHandle;

namespace {

BOOL Result(DWORD error) {
  SetLastError(error);
  return error == ERROR_SUCCESS ? TRUE : FALSE;
}

// Connects to a pipe's socket without waiting: a message-type pipe listens on
// a sequenced-packet socket, a byte-type one on a stream socket, and the
// kernel's refusal of the wrong type tells which one the server made.
DWORD ConnectPipe(const std::string& path, int& fd, bool& messageType) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  for (int type : {SOCK_SEQPACKET, SOCK_STREAM}) {
    fd = socket(AF_UNIX, type | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return ERROR_NOT_ENOUGH_MEMORY;
    int result = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    int error = errno;
    if (result == 0) {
      fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
      messageType = type == SOCK_SEQPACKET;
      return ERROR_SUCCESS;
    }
    close(fd);
    fd = -1;
    if (error == EPROTOTYPE) continue;
    if (error == EAGAIN || error == EWOULDBLOCK) return ERROR_PIPE_BUSY;
    if (error == ENOENT || error == ECONNREFUSED) return ERROR_FILE_NOT_FOUND;
    return ERROR_ACCESS_DENIED;
  }
  return ERROR_FILE_NOT_FOUND;
}

}  // namespace

HANDLE CreateFileW(LPCWSTR fileName, DWORD desiredAccess, DWORD shareMode,
                   LPSECURITY_ATTRIBUTES securityAttributes, DWORD creationDisposition,
                   DWORD flagsAndAttributes, HANDLE templateFile) {
  if (fileName == nullptr || (flagsAndAttributes & FILE_FLAG_OVERLAPPED) != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  if (!platform::IsPipeName(fileName)) {
    // Only pipes are simulated so far; other paths are not there.
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  std::string path;
  DWORD error = platform::PipeSocketPath(fileName, path);
  int fd = -1;
  bool messageType = false;
  if (error == ERROR_SUCCESS)
    error = platform::CheckPipeAccess(path, desiredAccess, platform::CurrentProcessIdentity());
  if (error == ERROR_SUCCESS) error = ConnectPipe(path, fd, messageType);
  platform::RecordPipeClientOpen(AsChar16(fileName), desiredAccess, flagsAndAttributes, error);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  auto end = std::make_shared<PipeEnd>(fd, messageType, (desiredAccess & GENERIC_READ) != 0,
                                       (desiredAccess & GENERIC_WRITE) != 0);
  end->MarkClientOf(AsChar16(fileName));
  SetLastError(ERROR_SUCCESS);
  return HandleTable::Instance().Add(std::move(end));
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead,
              LPOVERLAPPED overlapped) {
  if (bytesRead != nullptr) *bytesRead = 0;
  if (overlapped != nullptr || bytesRead == nullptr) return Result(ERROR_INVALID_PARAMETER);
  DWORD error = ERROR_SUCCESS;
  std::shared_ptr<PipeEnd> end = PipeEndOfHandle(file, error);
  if (!end) return Result(error);
  return Result(end->Read(buffer, bytesToRead, *bytesRead));
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten,
               LPOVERLAPPED overlapped) {
  if (bytesWritten != nullptr) *bytesWritten = 0;
  if (overlapped != nullptr || bytesWritten == nullptr) return Result(ERROR_INVALID_PARAMETER);
  DWORD error = ERROR_SUCCESS;
  std::shared_ptr<PipeEnd> end = PipeEndOfHandle(file, error);
  if (!end) return Result(error);
  return Result(end->Write(buffer, bytesToWrite, *bytesWritten));
}

BOOL FlushFileBuffers(HANDLE file) {
  DWORD error = ERROR_SUCCESS;
  // As on Windows, a pipe's flush lasts until the other end has read it all:
  // a reader that neither reads nor closes holds the writer here.
  std::shared_ptr<PipeEnd> end = PipeEndOfHandle(file, error);
  return Result(end ? end->Flush() : error);
}
