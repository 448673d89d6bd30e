#include "kernel32/NamedMutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "common/FailureSwitch.h"
#include "kernel32/HandleTable.h"
#include "common/HostText.h"
#include "host/SystemRoot.h"

namespace platform {

NamedMutex::NamedMutex(int fd, bool owned) : fd_(fd) {
  if (owned) {
    owner_ = std::this_thread::get_id();
    count_ = 1;
  }
}

NamedMutex::~NamedMutex() {
  if (fd_ >= 0) close(fd_);
}

int NamedMutex::OpenName(const std::u16string& name, bool& existed, DWORD& error) {
  std::string folder = SystemRootFolder() + "/.objects";
  if (!EnsureFolder(folder)) {
    error = ERROR_PATH_NOT_FOUND;
    return -1;
  }
  std::string base = folder + "/" + FileNameForObject(name);
  // The guard makes "is anyone holding it, else take it" one step across
  // processes; without it two creators could both find the name free.
  int guard = open((base + ".guard").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  int fd = open((base + ".mutex").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (guard < 0 || fd < 0) {
    if (guard >= 0) close(guard);
    if (fd >= 0) close(fd);
    error = ERROR_ACCESS_DENIED;
    return -1;
  }
  while (flock(guard, LOCK_EX) != 0 && errno == EINTR) {
  }
  existed = flock(fd, LOCK_EX | LOCK_NB) != 0;
  flock(fd, LOCK_SH);
  flock(guard, LOCK_UN);
  close(guard);
  error = ERROR_SUCCESS;
  return fd;
}

bool NamedMutex::Release() {
  std::lock_guard<std::mutex> hold(lock_);
  if (count_ == 0 || owner_ != std::this_thread::get_id()) return false;
  if (--count_ == 0) owner_ = std::thread::id();
  return true;
}

}  // namespace platform

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES securityAttributes, BOOL initialOwner, LPCWSTR name) {
  bool existed = false;
  int fd = -1;
  size_t length = platform::WideLength(name);
  if (length > MAX_PATH) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return nullptr;
  }
  if (platform::ShouldFail("CreateMutexW")) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  if (length > 0) {
    DWORD error = ERROR_SUCCESS;
    fd = platform::NamedMutex::OpenName(std::u16string(name, length), existed, error);
    if (fd < 0) {
      SetLastError(error);
      return nullptr;
    }
  }
  // The creator of an existing mutex opens it without taking ownership.
  auto mutex = std::make_shared<platform::NamedMutex>(fd, initialOwner && !existed);
  HANDLE handle = platform::HandleTable::Instance().Add(std::move(mutex));
  SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL ReleaseMutex(HANDLE mutex) {
  auto object = platform::HandleTable::Instance().FindAs<platform::NamedMutex>(mutex);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!object->Release()) {
    SetLastError(ERROR_NOT_OWNER);
    return FALSE;
  }
  return TRUE;
}
