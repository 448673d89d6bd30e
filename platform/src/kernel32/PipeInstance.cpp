#include "kernel32/PipeInstance.h"

namespace platform {

PipeInstance::PipeInstance(std::shared_ptr<PipeListener> listener, bool canRead, bool canWrite,
                           bool messageRead)
    : listener_(std::move(listener)), canRead_(canRead), canWrite_(canWrite),
      messageRead_(messageRead) {}

PipeInstance::~PipeInstance() {
  std::lock_guard<std::mutex> hold(lock_);
  listener_->InstanceLeft(connection_ == nullptr);
}

DWORD PipeInstance::Connect() {
  bool noWait = false;
  DWORD mode = 0;
  {
    std::lock_guard<std::mutex> hold(lock_);
    if (connection_) return ERROR_PIPE_CONNECTED;
    noWait = noWait_;
    mode = (messageRead_ ? PIPE_READMODE_MESSAGE : 0) | (noWait_ ? PIPE_NOWAIT : 0);
  }
  int fd = noWait ? listener_->AcceptWaiting() : listener_->Accept();
  if (fd < 0) return noWait ? ERROR_PIPE_LISTENING : ERROR_GEN_FAILURE;
  auto end = std::make_shared<PipeEnd>(fd, listener_->messageType(), canRead_, canWrite_);
  end->SetReadMode(mode);
  std::lock_guard<std::mutex> hold(lock_);
  connection_ = std::move(end);
  everConnected_ = true;
  return ERROR_SUCCESS;
}

DWORD PipeInstance::SetMode(DWORD mode) {
  if ((mode & PIPE_READMODE_MESSAGE) != 0 && !listener_->messageType())
    return ERROR_INVALID_PARAMETER;
  std::lock_guard<std::mutex> hold(lock_);
  if (connection_) {
    DWORD error = connection_->SetReadMode(mode);
    if (error != ERROR_SUCCESS) return error;
  }
  messageRead_ = (mode & PIPE_READMODE_MESSAGE) != 0;
  noWait_ = (mode & PIPE_NOWAIT) != 0;
  return ERROR_SUCCESS;
}

DWORD PipeInstance::Disconnect() {
  std::shared_ptr<PipeEnd> dropped;
  {
    std::lock_guard<std::mutex> hold(lock_);
    if (!connection_) return ERROR_PIPE_NOT_CONNECTED;
    dropped = std::move(connection_);
  }
  listener_->InstanceFreed();
  return ERROR_SUCCESS;
}

std::shared_ptr<PipeEnd> PipeInstance::Connection(DWORD& error) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!connection_) error = everConnected_ ? ERROR_PIPE_NOT_CONNECTED : ERROR_PIPE_LISTENING;
  return connection_;
}

}  // namespace platform

#include "kernel32/HandleTable.h"

namespace platform {

std::shared_ptr<PipeEnd> PipeEndOfHandle(HANDLE handle, DWORD& error) {
  auto object = HandleTable::Instance().Find(handle);
  if (auto end = std::dynamic_pointer_cast<PipeEnd>(object)) return end;
  if (auto instance = std::dynamic_pointer_cast<PipeInstance>(object))
    return instance->Connection(error);
  error = ERROR_INVALID_HANDLE;
  return nullptr;
}

}  // namespace platform
