// The values GetSystemMetrics answers: Windows' own at 96 DPI, the screen
// sizes from the monitor table, and whatever the host overrides.
#pragma once

#include <map>
#include <mutex>

#include "Platform.h"

namespace platform {

class SystemMetrics {
 public:
  static SystemMetrics& Instance();

  int Get(int index);
  void Override(int index, int value);
  void Reset();

  // The frame, caption and scroll bars a window of this style has around
  // its client area (the AdjustWindowRectEx rule; scroll bars only when
  // asked for, as AdjustWindowRectEx leaves them out).
  RECT NonClientInsets(DWORD style, DWORD exStyle, bool scrollBars);

 private:
  std::mutex lock_;
  std::map<int, int> overrides_;
};

}  // namespace platform
