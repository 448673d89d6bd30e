#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "Platform.h"

namespace platform {

// The listening socket behind every instance of one pipe name in this
// process. Windows lets a client connect only to a free instance and answers
// ERROR_PIPE_BUSY otherwise; the stand-in comes close by keeping the socket's
// backlog at the number of free instances (instances not connected), so a
// burst beyond them is refused at connect time.
class PipeListener {
 public:
  // Joins the listener of this socket path, or creates it: binds the path,
  // replacing a socket left behind by a process that is gone. Returns a Win32
  // error code; ERROR_ACCESS_DENIED when another process serves the name or
  // the first-instance flag finds one, ERROR_PIPE_BUSY past the instance limit.
  // created tells whether this call made the pipe (its first instance).
  static DWORD Join(const std::string& path, bool messageType, DWORD maxInstances,
                    bool firstInstance, std::shared_ptr<PipeListener>& listener, bool& created);

  ~PipeListener();
  PipeListener(const PipeListener&) = delete;
  PipeListener& operator=(const PipeListener&) = delete;

  // Blocks until a client connects; the connected socket, or -1 and errno.
  int Accept();
  // A client already waiting; -1 (errno EAGAIN) at once when there is none.
  int AcceptWaiting();
  // Book-keeping of the instances for the backlog.
  void InstanceFreed();
  void InstanceLeft(bool wasFree);
  bool messageType() const { return messageType_; }

 private:
  PipeListener(std::string path, int fd, bool messageType, DWORD maxInstances);
  void UpdateBacklog();
  void Taken();

  static std::mutex registryLock_;
  static std::map<std::string, std::weak_ptr<PipeListener>> registry_;

  std::string path_;
  int fd_;
  bool messageType_;
  DWORD maxInstances_;
  std::mutex lock_;
  DWORD instances_ = 0;
  DWORD free_ = 0;
};

}  // namespace platform
