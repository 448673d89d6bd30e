#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "kernel32/KernelObject.h"

namespace platform {

// One connected end of a named pipe: a client handle, or the connection of a
// server instance. A message-type pipe is a SOCK_SEQPACKET socket whose every
// packet is one tag byte and the message (so that an empty message is not
// mistaken for the end of the connection); a byte-type pipe is a stream socket.
// A message longer than the reader's buffer stays here, its rest read by
// the next calls, as Windows keeps it in the pipe.
class PipeEnd : public KernelObject {
 public:
  PipeEnd(int fd, bool messageType, bool canRead, bool canWrite);
  ~PipeEnd() override;
  PipeEnd(const PipeEnd&) = delete;
  PipeEnd& operator=(const PipeEnd&) = delete;

  // Each returns a Win32 error code; ERROR_MORE_DATA still delivers bytes.
  DWORD Read(void* buffer, DWORD size, DWORD& read);
  DWORD Write(const void* buffer, DWORD size, DWORD& written);
  DWORD Peek(void* buffer, DWORD size, DWORD& read, DWORD& available, DWORD& leftInMessage);
  // PIPE_READMODE_MESSAGE and PIPE_NOWAIT (a read with nothing there then
  // fails at once with ERROR_NO_DATA, and an empty message is read as one).
  DWORD SetReadMode(DWORD mode);
  // Waits until the far end has read everything written here, or has gone:
  // Windows' FlushFileBuffers on a pipe.
  DWORD Flush();
  // The process that created the far end's listening pipe (a client's end).
  bool PeerProcess(DWORD& processId);
  bool messageType() const { return messageType_; }
  // A client's end (CreateFileW): its writes go into the pipe traffic
  // record under the pipe's name.
  void MarkClientOf(const std::u16string& pipe) { clientOf_ = pipe; }

 private:
  DWORD ReceiveMessage(std::vector<char>& message);
  DWORD DeliverPending(void* buffer, DWORD size, DWORD& read);

  int fd_;
  bool messageType_;
  bool messageRead_;
  bool noWait_ = false;
  bool canRead_;
  bool canWrite_;
  std::mutex readLock_;
  std::vector<char> pending_;
  bool hasPending_ = false;
  std::u16string clientOf_;
};

// errno of a failed socket call as a Win32 error code.
DWORD PipeErrorFromErrno(int error);

}  // namespace platform
