#include "kernel32/PipeEnd.h"

#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "kernel32/PipeTraffic.h"

namespace platform {

namespace {

constexpr char kMessageTag = 0;

}  // namespace

DWORD PipeErrorFromErrno(int error) {
  switch (error) {
    case EPIPE:
    case ECONNRESET:
      return ERROR_NO_DATA;
    case ENOTCONN:
      return ERROR_PIPE_NOT_CONNECTED;
    case ENOMEM:
    case ENOBUFS:
      return ERROR_NOT_ENOUGH_MEMORY;
    case EMSGSIZE:
      return ERROR_INVALID_PARAMETER;
    case EBADF:
      return ERROR_INVALID_HANDLE;
    default:
      return ERROR_GEN_FAILURE;
  }
}

PipeEnd::PipeEnd(int fd, bool messageType, bool canRead, bool canWrite)
    : fd_(fd), messageType_(messageType), messageRead_(false), canRead_(canRead),
      canWrite_(canWrite) {}

PipeEnd::~PipeEnd() { close(fd_); }

DWORD PipeEnd::SetReadMode(DWORD mode) {
  bool message = (mode & PIPE_READMODE_MESSAGE) != 0;
  if ((mode & ~static_cast<DWORD>(PIPE_READMODE_MESSAGE | PIPE_NOWAIT)) != 0)
    return ERROR_INVALID_PARAMETER;
  // A byte-type pipe carries no message boundaries to read by.
  if (message && !messageType_) return ERROR_INVALID_PARAMETER;
  std::lock_guard<std::mutex> hold(readLock_);
  messageRead_ = message;
  noWait_ = (mode & PIPE_NOWAIT) != 0;
  return ERROR_SUCCESS;
}

DWORD PipeEnd::Flush() {
  // A Unix socket charges what it sent to the sender until the reader takes
  // it out of its queue (or the reader's end goes with it unread).
  for (;;) {
    int unread = 0;
    if (ioctl(fd_, SIOCOUTQ, &unread) != 0) return PipeErrorFromErrno(errno);
    if (unread <= 0) return ERROR_SUCCESS;
    usleep(500);
  }
}

bool PipeEnd::PeerProcess(DWORD& processId) {
  ucred peer{};
  socklen_t size = sizeof(peer);
  if (getsockopt(fd_, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.pid <= 0) return false;
  processId = static_cast<DWORD>(peer.pid);
  return true;
}

DWORD PipeEnd::ReceiveMessage(std::vector<char>& message) {
  for (;;) {
    char probe;
    ssize_t length = recv(fd_, &probe, 1, MSG_PEEK | MSG_TRUNC | (noWait_ ? MSG_DONTWAIT : 0));
    if (length < 0 && errno == EINTR) continue;
    if (length < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return ERROR_NO_DATA;
    if (length == 0) return ERROR_BROKEN_PIPE;
    if (length < 0) return errno == ECONNRESET ? ERROR_BROKEN_PIPE : PipeErrorFromErrno(errno);
    std::vector<char> packet(static_cast<size_t>(length));
    ssize_t got = recv(fd_, packet.data(), packet.size(), 0);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return ERROR_BROKEN_PIPE;
    message.assign(packet.begin() + 1, packet.begin() + got);
    return ERROR_SUCCESS;
  }
}

DWORD PipeEnd::DeliverPending(void* buffer, DWORD size, DWORD& read) {
  size_t count = std::min<size_t>(size, pending_.size());
  if (count > 0) std::memcpy(buffer, pending_.data(), count);
  pending_.erase(pending_.begin(), pending_.begin() + static_cast<ptrdiff_t>(count));
  read = static_cast<DWORD>(count);
  if (!pending_.empty()) return messageRead_ ? ERROR_MORE_DATA : ERROR_SUCCESS;
  hasPending_ = false;
  return ERROR_SUCCESS;
}

DWORD PipeEnd::Read(void* buffer, DWORD size, DWORD& read) {
  read = 0;
  if (!canRead_) return ERROR_ACCESS_DENIED;
  if (buffer == nullptr && size > 0) return ERROR_INVALID_PARAMETER;
  std::lock_guard<std::mutex> hold(readLock_);
  if (!messageType_) {
    if (size == 0) return ERROR_SUCCESS;
    for (;;) {
      ssize_t got = recv(fd_, buffer, size, noWait_ ? MSG_DONTWAIT : 0);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return ERROR_NO_DATA;
      if (got == 0 || (got < 0 && errno == ECONNRESET)) return ERROR_BROKEN_PIPE;
      if (got < 0) return PipeErrorFromErrno(errno);
      read = static_cast<DWORD>(got);
      return ERROR_SUCCESS;
    }
  }
  if (!hasPending_) {
    DWORD error = ReceiveMessage(pending_);
    if (error != ERROR_SUCCESS) return error;
    hasPending_ = true;
  }
  return DeliverPending(buffer, size, read);
}

DWORD PipeEnd::Write(const void* buffer, DWORD size, DWORD& written) {
  written = 0;
  if (!canWrite_) return ERROR_ACCESS_DENIED;
  if (buffer == nullptr && size > 0) return ERROR_INVALID_PARAMETER;
  if (messageType_) {
    char tag = kMessageTag;
    iovec parts[2] = {{&tag, 1}, {const_cast<void*>(buffer), size}};
    msghdr header{};
    header.msg_iov = parts;
    header.msg_iovlen = 2;
    for (;;) {
      ssize_t sent = sendmsg(fd_, &header, MSG_NOSIGNAL);
      if (sent < 0 && errno == EINTR) continue;
      if (sent < 0) return PipeErrorFromErrno(errno);
      written = size;
      if (!clientOf_.empty()) RecordPipeClientWrite(clientOf_, buffer, size);
      return ERROR_SUCCESS;
    }
  }
  const char* bytes = static_cast<const char*>(buffer);
  while (written < size) {
    ssize_t sent = send(fd_, bytes + written, size - written, MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent < 0) return PipeErrorFromErrno(errno);
    written += static_cast<DWORD>(sent);
  }
  if (!clientOf_.empty()) RecordPipeClientWrite(clientOf_, buffer, size);
  return ERROR_SUCCESS;
}

DWORD PipeEnd::Peek(void* buffer, DWORD size, DWORD& read, DWORD& available,
                    DWORD& leftInMessage) {
  read = available = leftInMessage = 0;
  std::lock_guard<std::mutex> hold(readLock_);
  if (hasPending_) {
    size_t count = std::min<size_t>(size, pending_.size());
    if (buffer != nullptr && count > 0) std::memcpy(buffer, pending_.data(), count);
    read = static_cast<DWORD>(buffer != nullptr ? count : 0);
    available = leftInMessage = static_cast<DWORD>(pending_.size());
    return ERROR_SUCCESS;
  }
  if (messageType_) {
    char probe;
    ssize_t length = recv(fd_, &probe, 1, MSG_PEEK | MSG_TRUNC | MSG_DONTWAIT);
    if (length < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
      return ERROR_SUCCESS;
    if (length == 0 || (length < 0 && errno == ECONNRESET)) return ERROR_BROKEN_PIPE;
    if (length < 0) return PipeErrorFromErrno(errno);
    std::vector<char> packet(static_cast<size_t>(length));
    ssize_t got = recv(fd_, packet.data(), packet.size(), MSG_PEEK | MSG_DONTWAIT);
    if (got <= 0) return ERROR_BROKEN_PIPE;
    available = leftInMessage = static_cast<DWORD>(got - 1);
    size_t count = std::min<size_t>(size, available);
    if (buffer != nullptr && count > 0) std::memcpy(buffer, packet.data() + 1, count);
    read = static_cast<DWORD>(buffer != nullptr ? count : 0);
    return ERROR_SUCCESS;
  }
  int queued = 0;
  if (ioctl(fd_, FIONREAD, &queued) != 0) return PipeErrorFromErrno(errno);
  if (queued == 0) {
    char probe;
    ssize_t got = recv(fd_, &probe, 1, MSG_PEEK | MSG_DONTWAIT);
    if (got == 0) return ERROR_BROKEN_PIPE;
    return ERROR_SUCCESS;
  }
  available = static_cast<DWORD>(queued);
  if (buffer != nullptr && size > 0) {
    ssize_t got = recv(fd_, buffer, std::min<size_t>(size, available), MSG_PEEK | MSG_DONTWAIT);
    read = got > 0 ? static_cast<DWORD>(got) : 0;
  }
  return ERROR_SUCCESS;
}

}  // namespace platform
