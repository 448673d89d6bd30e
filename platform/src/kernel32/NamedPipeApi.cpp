#include "kernel32/HandleTable.h"
#include "kernel32/PipeInstance.h"
#include "kernel32/PipePath.h"
#include "kernel32/PipeSecurity.h"

using platform::HandleTable;
using platform::PipeEnd;
using platform::PipeEndOfHandle;
using platform::PipeInstance;
using platform::PipeListener;

namespace {

BOOL Result(DWORD error) {
  SetLastError(error);
  return error == ERROR_SUCCESS ? TRUE : FALSE;
}

}  // namespace

HANDLE CreateNamedPipeW(LPCWSTR name, DWORD openMode, DWORD pipeMode, DWORD maxInstances,
                        DWORD outBufferSize, DWORD inBufferSize, DWORD defaultTimeOut,
                        LPSECURITY_ATTRIBUTES securityAttributes) {
  DWORD access = openMode & PIPE_ACCESS_DUPLEX;
  bool messageType = (pipeMode & PIPE_TYPE_MESSAGE) != 0;
  bool messageRead = (pipeMode & PIPE_READMODE_MESSAGE) != 0;
  // Overlapped pipes are not simulated.
  bool unsupported = (openMode & FILE_FLAG_OVERLAPPED) != 0;
  if (access == 0 || unsupported || (messageRead && !messageType) || maxInstances == 0 ||
      maxInstances > PIPE_UNLIMITED_INSTANCES) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  std::string path;
  DWORD error = platform::PipeSocketPath(name, path);
  std::shared_ptr<PipeListener> listener;
  bool created = false;
  if (error == ERROR_SUCCESS)
    error = PipeListener::Join(path, messageType, maxInstances,
                               (openMode & FILE_FLAG_FIRST_PIPE_INSTANCE) != 0, listener, created);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  if (created) {
    // Clients of other processes learn who serves the pipe and whom it lets in.
    platform::ProcessIdentity creator = platform::CurrentProcessIdentity();
    platform::RecordCurrentProcessIdentity();
    platform::WritePipeSecurity(path, securityAttributes, creator);
  }
  auto instance = std::make_shared<PipeInstance>(std::move(listener),
                                                 (access & PIPE_ACCESS_INBOUND) != 0,
                                                 (access & PIPE_ACCESS_OUTBOUND) != 0, messageRead);
  if ((pipeMode & PIPE_NOWAIT) != 0)
    instance->SetMode((messageRead ? PIPE_READMODE_MESSAGE : 0) | PIPE_NOWAIT);
  SetLastError(ERROR_SUCCESS);
  return HandleTable::Instance().Add(std::move(instance));
}

BOOL ConnectNamedPipe(HANDLE pipe, LPOVERLAPPED overlapped) {
  if (overlapped != nullptr) return Result(ERROR_INVALID_PARAMETER);
  auto instance = HandleTable::Instance().FindAs<PipeInstance>(pipe);
  if (!instance) return Result(ERROR_INVALID_HANDLE);
  return Result(instance->Connect());
}

BOOL DisconnectNamedPipe(HANDLE pipe) {
  auto instance = HandleTable::Instance().FindAs<PipeInstance>(pipe);
  if (!instance) return Result(ERROR_INVALID_HANDLE);
  return Result(instance->Disconnect());
}

BOOL SetNamedPipeHandleState(HANDLE pipe, LPDWORD mode, LPDWORD maxCollectionCount,
                             LPDWORD collectDataTimeout) {
  if (auto instance = HandleTable::Instance().FindAs<PipeInstance>(pipe))
    return Result(mode == nullptr ? ERROR_SUCCESS : instance->SetMode(*mode));
  DWORD error = ERROR_SUCCESS;
  std::shared_ptr<PipeEnd> end = PipeEndOfHandle(pipe, error);
  if (!end) return Result(error);
  // The collection settings concern remote byte pipes only; none exist here.
  if (mode == nullptr) return Result(ERROR_SUCCESS);
  return Result(end->SetReadMode(*mode));
}

BOOL PeekNamedPipe(HANDLE pipe, LPVOID buffer, DWORD bufferSize, LPDWORD bytesRead,
                   LPDWORD totalBytesAvail, LPDWORD bytesLeftThisMessage) {
  DWORD error = ERROR_SUCCESS;
  std::shared_ptr<PipeEnd> end = PipeEndOfHandle(pipe, error);
  if (!end) return Result(error);
  DWORD read = 0, available = 0, left = 0;
  error = end->Peek(buffer, bufferSize, read, available, left);
  if (bytesRead != nullptr) *bytesRead = read;
  if (totalBytesAvail != nullptr) *totalBytesAvail = available;
  if (bytesLeftThisMessage != nullptr) *bytesLeftThisMessage = left;
  return Result(error);
}

BOOL GetNamedPipeServerProcessId(HANDLE pipe, PULONG serverProcessId) {
  if (serverProcessId == nullptr) return Result(ERROR_INVALID_PARAMETER);
  if (HandleTable::Instance().FindAs<PipeInstance>(pipe)) {
    *serverProcessId = GetCurrentProcessId();
    return Result(ERROR_SUCCESS);
  }
  auto end = HandleTable::Instance().FindAs<PipeEnd>(pipe);
  if (!end) return Result(ERROR_INVALID_HANDLE);
  DWORD processId = 0;
  if (!end->PeerProcess(processId)) return Result(ERROR_PIPE_NOT_CONNECTED);
  *serverProcessId = processId;
  return Result(ERROR_SUCCESS);
}
