#include "PipeServer.h"

#include "SettingsRequestHandler.h"
#include "common/PipeMessageWait.h"
#include "common/SettingsIpcConstants.h"

namespace {

HANDLE CreateInstance(bool first, LPSECURITY_ATTRIBUTES security) {
  DWORD openMode = PIPE_ACCESS_DUPLEX | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
  DWORD pipeMode =
      PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS;
  return CreateNamedPipeW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                          openMode, pipeMode, PIPE_UNLIMITED_INSTANCES, 4096, 4096, 0, security);
}

}  // namespace

PipeServer::PipeServer(SettingsRequestHandler& handler) : handler_(handler) {}

bool PipeServer::Start() {
  if (!security_.ok()) return false;
  // The first-instance flag below refuses a name already taken; Wine lets
  // a second first instance through, so an open of the name is tried too.
  HANDLE probe = CreateFileW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                             GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
  DWORD probeError = probe == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
  if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
  if (probeError != ERROR_FILE_NOT_FOUND) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  // The first instance must be the pipe's first: where another program
  // made the name its own first, this server does not serve beside it.
  {
    std::lock_guard<std::mutex> hold(lock_);
    if (!AddInstance(true)) return false;
  }
  KeepListening();
  return true;
}

bool PipeServer::AddInstance(bool first) {
  HANDLE pipe = CreateInstance(first, security_.attributes());
  if (pipe == INVALID_HANDLE_VALUE) return false;
  try {
    threads_.emplace_back(&PipeServer::Serve, this, pipe);
  } catch (...) {
    CloseHandle(pipe);
    return false;
  }
  // A new instance takes a client at once, before its worker waits.
  ++listening_;
  ++serving_;
  return true;
}

bool PipeServer::KeepListening() {
  std::lock_guard<std::mutex> hold(lock_);
  while (listening_ < kListening && !stopping_)
    if (!AddInstance(false)) return false;
  return true;
}

void PipeServer::Run() {
  std::vector<std::thread> workers;
  {
    std::unique_lock<std::mutex> hold(lock_);
    ended_.wait(hold, [this] { return serving_ == 0; });
    workers.swap(threads_);
  }
  for (std::thread& worker : workers) worker.join();
}

void PipeServer::Stop() {
  {
    std::lock_guard<std::mutex> hold(lock_);
    stopping_ = true;
  }
  // A worker that waits for a client is woken by one that says nothing; it
  // then serves what is waiting and ends. Clients that came first are
  // served before these, in their turn.
  for (;;) {
    {
      std::lock_guard<std::mutex> hold(lock_);
      if (serving_ == 0) break;
    }
    HANDLE wake = CreateFileW(reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()),
                              GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (wake != INVALID_HANDLE_VALUE) CloseHandle(wake);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void PipeServer::Serve(HANDLE pipe) {
  bool draining = false;
  for (;;) {
    if (stopping_ && !draining) {
      // From now on a connect only takes a client that is already there.
      DWORD mode = PIPE_READMODE_MESSAGE | PIPE_NOWAIT;
      SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr);
      draining = true;
    }
    // A client may connect before this thread is waiting for it
    // (ERROR_PIPE_CONNECTED), and may even have written and closed by then
    // (ERROR_NO_DATA): a learning request is sent that way, and its message
    // is still in the pipe to be read.
    DWORD error = ConnectNamedPipe(pipe, nullptr) ? ERROR_SUCCESS : GetLastError();
    if (error == ERROR_SUCCESS || error == ERROR_PIPE_CONNECTED || error == ERROR_NO_DATA) {
      {
        std::lock_guard<std::mutex> hold(lock_);
        --listening_;
      }
      // The next client must not wait for this one to be served.
      KeepListening();
      Answer(pipe);
      DisconnectNamedPipe(pipe);
      // Back to waiting: after a burst, more instances listen than are
      // kept ahead, and they serve the next one as well.
      std::lock_guard<std::mutex> hold(lock_);
      ++listening_;
    } else if (draining) {
      break;  // nobody is waiting any more
    } else {
      // Out of handles or memory: wait a little rather than spin.
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      DisconnectNamedPipe(pipe);
    }
  }
  CloseHandle(pipe);
  std::lock_guard<std::mutex> hold(lock_);
  --listening_;
  --serving_;
  ended_.notify_all();
}

void PipeServer::Answer(HANDLE pipe) {
  // A client writes its request right after it connects; one that connects
  // and says nothing must not keep the instance from the others for good.
  // A client that has gone gives a failed read below.
  if (!WaitForPipeMessage(pipe, kRequestTimeout)) return;
  std::vector<BYTE> request(kMaxRequestBytes);
  DWORD read = 0;
  std::u16string reply;
  if (ReadFile(pipe, request.data(), kMaxRequestBytes, &read, nullptr)) {
    reply = handler_.Handle(request.data(), read);
  } else if (GetLastError() == ERROR_MORE_DATA) {
    std::vector<BYTE> rest(kMaxRequestBytes);
    while (!ReadFile(pipe, rest.data(), kMaxRequestBytes, &read, nullptr) &&
           GetLastError() == ERROR_MORE_DATA) {
    }
    reply = u"Error: Request too long.";
  } else {
    return;  // the client went away before it asked anything
  }
  // The reply goes without a NUL: the client reads at most 2046 bytes and
  // ends the text there, so 1023 units arrive whole. An empty reply is one
  // NUL instead of an empty message, which a client waiting with
  // PeekNamedPipe could not tell from no reply yet.
  if (reply.empty()) reply.push_back(u'\0');
  DWORD written = 0;
  if (WriteFile(pipe, reply.data(), static_cast<DWORD>(reply.size() * sizeof(char16_t)), &written,
                nullptr))
    WaitForPipeEnd(pipe, kReplyTimeout);
}
