// The NotifyWinEvent calls made, for host/user32/WinEvents.h.
#pragma once

#include <mutex>
#include <vector>

#include "host/user32/WinEvents.h"

namespace platform {

class WinEventLog {
 public:
  static WinEventLog& Instance();

  void Add(const host::WinEvent& event);
  std::vector<host::WinEvent> All();
  void Clear();

 private:
  std::mutex lock_;
  std::vector<host::WinEvent> events_;
};

}  // namespace platform
