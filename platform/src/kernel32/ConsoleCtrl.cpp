#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <mutex>
#include <thread>
#include <vector>

#include "Platform.h"

namespace {

struct Handlers {
  std::mutex lock;
  std::vector<PHANDLER_ROUTINE> routines;
  int wake[2] = {-1, -1};  // the signal handler writes the event here
};

Handlers& TheHandlers() {
  static auto* handlers = new Handlers;  // the dispatcher outlives static destruction
  return *handlers;
}

void OnSignal(int number) {
  char event = number == SIGINT ? CTRL_C_EVENT : CTRL_CLOSE_EVENT;
  ssize_t ignored = write(TheHandlers().wake[1], &event, 1);
  (void)ignored;
}

void Dispatch() {
  Handlers& handlers = TheHandlers();
  for (;;) {
    char event = 0;
    ssize_t got = read(handlers.wake[0], &event, 1);
    if (got < 0) continue;
    if (got == 0) return;
    std::vector<PHANDLER_ROUTINE> routines;
    {
      std::lock_guard<std::mutex> hold(handlers.lock);
      routines.assign(handlers.routines.rbegin(), handlers.routines.rend());
    }
    bool taken = false;
    for (PHANDLER_ROUTINE routine : routines) {
      if (routine(static_cast<DWORD>(event))) {
        taken = true;
        break;
      }
    }
    if (!taken || event == CTRL_CLOSE_EVENT) _exit(event == CTRL_C_EVENT ? 130 : 0);
  }
}

}  // namespace

BOOL SetConsoleCtrlHandler(PHANDLER_ROUTINE handler, BOOL add) {
  if (handler == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Handlers& handlers = TheHandlers();
  std::lock_guard<std::mutex> hold(handlers.lock);
  if (!add) {
    auto found = std::find(handlers.routines.rbegin(), handlers.routines.rend(), handler);
    if (found == handlers.routines.rend()) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
    handlers.routines.erase(std::next(found).base());
    return TRUE;
  }
  if (handlers.wake[0] < 0) {
    if (pipe2(handlers.wake, O_CLOEXEC) != 0) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return FALSE;
    }
    std::thread(Dispatch).detach();
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
  }
  handlers.routines.push_back(handler);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}
