#include "common/PipeMessageWait.h"

#include <thread>

bool WaitForPipeMessage(HANDLE pipe, std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  for (int round = 0;; ++round) {
    DWORD available = 0, leftInMessage = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, &leftInMessage)) return true;
    if (available > 0 || leftInMessage > 0) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    if (round < 200)
      std::this_thread::yield();
    else
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}
