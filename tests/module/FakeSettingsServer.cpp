#include "FakeSettingsServer.h"

#include "Platform.h"
#include "common/SettingsIpcConstants.h"

namespace {

LPCWSTR PipeName() {
  return reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data());
}

}  // namespace

FakeSettingsServer::FakeSettingsServer(Mode mode) : mode_(mode) {
  for (int i = 0; i < kInstances; ++i) threads_.emplace_back([this] { Serve(); });
  // Serving once every instance waits for a client.
  while (listening_.load() < kInstances) std::this_thread::yield();
}

FakeSettingsServer::~FakeSettingsServer() {
  stopping_ = true;
  {
    std::lock_guard<std::mutex> hold(lock_);
    stopped_.notify_all();
  }
  // Each instance waiting for a client is woken by one that says nothing.
  while (listening_.load() > 0) {
    HANDLE wake = CreateFileW(PipeName(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (wake != INVALID_HANDLE_VALUE) CloseHandle(wake);
    std::this_thread::yield();
  }
  for (std::thread& thread : threads_) thread.join();
}

void FakeSettingsServer::Store(const std::u16string& key, const std::u16string& value) {
  std::lock_guard<std::mutex> hold(lock_);
  settings_[key] = value;
}

std::u16string FakeSettingsServer::Stored(const std::u16string& key) {
  std::lock_guard<std::mutex> hold(lock_);
  auto found = settings_.find(key);
  return found == settings_.end() ? std::u16string() : found->second;
}

void FakeSettingsServer::Delay(const std::u16string& command, std::chrono::milliseconds delay) {
  std::lock_guard<std::mutex> hold(lock_);
  delays_[command] = delay;
}

std::vector<std::u16string> FakeSettingsServer::Requests() {
  std::lock_guard<std::mutex> hold(lock_);
  return requests_;
}

std::u16string FakeSettingsServer::Reply(const std::u16string& request) {
  std::lock_guard<std::mutex> hold(lock_);
  if (request == u"LOAD_ALL") {
    std::u16string pairs;
    for (const auto& [key, value] : settings_) pairs += key + u"=" + value + u";";
    return pairs;
  }
  if (request.rfind(u"SAVE ", 0) == 0) {
    size_t blank = request.find(u' ', 5);
    if (blank == std::u16string::npos) return u"Error: Invalid SAVE format.";
    settings_[request.substr(5, blank - 5)] = request.substr(blank + 1);
    return u"OK";
  }
  if (request.rfind(u"LOAD ", 0) == 0) return settings_[request.substr(5)];
  if (request == u"LOAD_USER_DICT") return u"";
  return u"OK";
}

void FakeSettingsServer::Serve() {
  bool counted = false;
  while (!stopping_) {
    HANDLE pipe = CreateNamedPipeW(PipeName(), PIPE_ACCESS_DUPLEX,
                                   PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE, kInstances, 4096,
                                   4096, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE) {
      std::this_thread::yield();
      continue;
    }
    if (!counted) {
      ++listening_;
      counted = true;
    }
    bool connected = ConnectNamedPipe(pipe, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED ||
                     GetLastError() == ERROR_NO_DATA;
    char16_t buffer[4096];
    DWORD read = 0;
    if (connected && !stopping_ && ReadFile(pipe, buffer, sizeof(buffer), &read, nullptr)) {
      std::u16string request(buffer, read / sizeof(char16_t));
      if (!request.empty() && request.back() == u'\0') request.pop_back();
      std::chrono::milliseconds delay{0};
      {
        std::lock_guard<std::mutex> hold(lock_);
        requests_.push_back(request);
        for (const auto& [command, wait] : delays_) {
          if (request.rfind(command, 0) == 0) delay = wait;
        }
      }
      std::unique_lock<std::mutex> wait(lock_);
      if (mode_ == Mode::Silent) {
        stopped_.wait(wait, [this] { return stopping_.load(); });
      } else {
        stopped_.wait_for(wait, delay, [this] { return stopping_.load(); });
      }
      wait.unlock();
      if (mode_ == Mode::Answer) {
        std::u16string reply = Reply(request);
        if (reply.empty()) reply.push_back(u'\0');
        DWORD written = 0;
        WriteFile(pipe, reply.data(), static_cast<DWORD>(reply.size() * sizeof(char16_t)),
                  &written, nullptr);
        FlushFileBuffers(pipe);
      }
    }
    DisconnectNamedPipe(pipe);
    CloseHandle(pipe);
  }
  if (counted) --listening_;
}
