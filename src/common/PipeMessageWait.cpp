#include "common/PipeMessageWait.h"

#include <algorithm>
#include <thread>

namespace {

// How long the wait only yields before it sleeps. A sleep of one millisecond
// lasts a whole timer tick on Windows (about 15.6 ms unless some program
// raised the timer resolution), so counting a fixed number of yields, which
// a busy machine runs through in microseconds, would make every slow reply
// cost a tick.
constexpr std::chrono::milliseconds kYieldPhase(5);

// Polls until done(pipe) or the time-out; true when done.
template <typename Done>
bool PollPipe(HANDLE pipe, std::chrono::milliseconds timeout, Done done) {
  const auto start = std::chrono::steady_clock::now();
  const auto deadline = start + timeout;
  const auto yieldUntil = start + std::min(timeout, kYieldPhase);
  for (;;) {
    if (done(pipe)) return true;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    if (now < yieldUntil)
      std::this_thread::yield();
    else
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

}  // namespace

bool WaitForPipeMessage(HANDLE pipe, std::chrono::milliseconds timeout) {
  return PollPipe(pipe, timeout, [](HANDLE end) {
    DWORD available = 0, leftInMessage = 0;
    if (!PeekNamedPipe(end, nullptr, 0, nullptr, &available, &leftInMessage)) return true;
    return available > 0 || leftInMessage > 0;
  });
}

bool WaitForPipeEnd(HANDLE pipe, std::chrono::milliseconds timeout) {
  return PollPipe(pipe, timeout, [](HANDLE end) {
    DWORD available = 0;
    return !PeekNamedPipe(end, nullptr, 0, nullptr, &available, nullptr);
  });
}

BOOL ReadPipeMessageWithin(HANDLE pipe, void* buffer, DWORD size, DWORD& read,
                           std::chrono::milliseconds timeout) {
  BOOL result = FALSE;
  PollPipe(pipe, timeout, [&](HANDLE end) {
    read = 0;
    result = ReadFile(end, buffer, size, &read, nullptr);
    return result || GetLastError() != ERROR_NO_DATA;
  });
  return result;
}
