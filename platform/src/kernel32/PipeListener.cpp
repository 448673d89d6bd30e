#include "kernel32/PipeListener.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "host/SystemRoot.h"
#include "kernel32/PipeSecurity.h"

namespace platform {

std::mutex PipeListener::registryLock_;
std::map<std::string, std::weak_ptr<PipeListener>> PipeListener::registry_;

namespace {

sockaddr_un AddressOf(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

// A socket file whose owner is gone refuses connections; a live one accepts
// (or is busy). Only the refused one may be replaced.
bool SocketIsStale(const std::string& path, int type) {
  int probe = socket(AF_UNIX, type | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (probe < 0) return false;
  sockaddr_un address = AddressOf(path);
  int result = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  int error = errno;
  close(probe);
  return result != 0 && (error == ECONNREFUSED || error == ENOENT);
}

}  // namespace

DWORD PipeListener::Join(const std::string& path, bool messageType, DWORD maxInstances,
                         bool firstInstance, std::shared_ptr<PipeListener>& listener,
                         bool& created) {
  created = false;
  std::unique_lock<std::mutex> hold(registryLock_);
  for (auto it = registry_.find(path); it != registry_.end(); it = registry_.find(path)) {
    listener = it->second.lock();
    if (!listener) {
      // The last instance is closing; its socket goes as soon as the
      // destructor gets the lock, and only then may the name be bound again.
      hold.unlock();
      std::this_thread::yield();
      hold.lock();
      continue;
    }
    {
      std::lock_guard<std::mutex> holdListener(listener->lock_);
      if (firstInstance || listener->messageType_ != messageType) return ERROR_ACCESS_DENIED;
      if (listener->instances_ >= listener->maxInstances_) return ERROR_PIPE_BUSY;
      ++listener->instances_;
      ++listener->free_;
      listener->UpdateBacklog();
      return ERROR_SUCCESS;
    }
  }
  std::string folder = path.substr(0, path.rfind('/'));
  if (!EnsureFolder(folder)) return ERROR_PATH_NOT_FOUND;
  int type = messageType ? SOCK_SEQPACKET : SOCK_STREAM;
  int fd = socket(AF_UNIX, type | SOCK_CLOEXEC, 0);
  if (fd < 0) return ERROR_NOT_ENOUGH_MEMORY;
  sockaddr_un address = AddressOf(path);
  int bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  if (bound != 0 && errno == EADDRINUSE && SocketIsStale(path, type)) {
    unlink(path.c_str());
    bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  }
  if (bound != 0) {
    int error = errno;
    close(fd);
    return error == EADDRINUSE ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND;
  }
  listener.reset(new PipeListener(path, fd, messageType, maxInstances));
  listener->instances_ = 1;
  listener->free_ = 1;
  listener->UpdateBacklog();
  registry_[path] = listener;
  created = true;
  return ERROR_SUCCESS;
}

PipeListener::PipeListener(std::string path, int fd, bool messageType, DWORD maxInstances)
    : path_(std::move(path)), fd_(fd), messageType_(messageType), maxInstances_(maxInstances) {}

PipeListener::~PipeListener() {
  std::lock_guard<std::mutex> hold(registryLock_);
  auto it = registry_.find(path_);
  if (it != registry_.end() && it->second.expired()) registry_.erase(it);
  unlink(path_.c_str());
  RemovePipeSecurity(path_);
  close(fd_);
}

void PipeListener::UpdateBacklog() {
  // Linux lets backlog + 1 connections wait; one waiting client with no free
  // instance is the nearest the socket gets to Windows' refusal.
  listen(fd_, free_ > 0 ? static_cast<int>(free_) - 1 : 0);
}

int PipeListener::Accept() {
  for (;;) {
    int fd = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0 && errno == EINTR) continue;
    if (fd >= 0) Taken();
    return fd;
  }
}

int PipeListener::AcceptWaiting() {
  pollfd ready{fd_, POLLIN, 0};
  if (poll(&ready, 1, 0) <= 0 || (ready.revents & POLLIN) == 0) {
    errno = EAGAIN;
    return -1;
  }
  // Another instance may take that client first; this one then waits for
  // the next, as Accept does.
  return Accept();
}

void PipeListener::Taken() {
  std::lock_guard<std::mutex> hold(lock_);
  if (free_ > 0) --free_;
  UpdateBacklog();
}

void PipeListener::InstanceFreed() {
  std::lock_guard<std::mutex> hold(lock_);
  ++free_;
  UpdateBacklog();
}

void PipeListener::InstanceLeft(bool wasFree) {
  std::lock_guard<std::mutex> hold(lock_);
  --instances_;
  if (wasFree && free_ > 0) --free_;
  UpdateBacklog();
}

}  // namespace platform
