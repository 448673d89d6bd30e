#pragma once

#include <memory>
#include <mutex>

#include "kernel32/PipeEnd.h"
#include "kernel32/PipeListener.h"

namespace platform {

// A server instance of a named pipe: free until a client connects, then the
// holder of that connection until DisconnectNamedPipe.
class PipeInstance : public KernelObject {
 public:
  PipeInstance(std::shared_ptr<PipeListener> listener, bool canRead, bool canWrite,
               bool messageRead);
  ~PipeInstance() override;

  // In PIPE_NOWAIT mode a Connect with no client waiting fails at once with
  // ERROR_PIPE_LISTENING, as on Windows.
  DWORD Connect();
  // The instance's read and wait modes, for its connection now and later ones.
  DWORD SetMode(DWORD mode);
  DWORD Disconnect();
  // The current connection, or null with the error for its absence.
  std::shared_ptr<PipeEnd> Connection(DWORD& error);

 private:
  std::shared_ptr<PipeListener> listener_;
  bool canRead_;
  bool canWrite_;
  bool messageRead_;
  bool noWait_ = false;
  std::mutex lock_;
  std::shared_ptr<PipeEnd> connection_;
  bool everConnected_ = false;
};

}  // namespace platform

namespace platform {

// The connected end behind a client handle or a server instance handle.
std::shared_ptr<PipeEnd> PipeEndOfHandle(HANDLE handle, DWORD& error);

}  // namespace platform
