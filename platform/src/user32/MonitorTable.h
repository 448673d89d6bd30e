// The desktop's monitors: their rectangles, work areas and DPI, as the host
// configures them (host/user32/Monitors.h). The first monitor is the
// primary one and holds the screen's origin; a monitor's handle stays valid
// until the table is replaced.
#pragma once

#include <mutex>
#include <optional>
#include <vector>

#include "Platform.h"

namespace platform {

struct Monitor {
  HMONITOR handle = nullptr;
  RECT rect{};
  RECT work{};
  UINT dpi = 96;
};

class MonitorTable {
 public:
  static MonitorTable& Instance();

  // One 1920 x 1080 monitor at 96 DPI whose work area leaves 40 pixels for
  // the taskbar.
  static std::vector<Monitor> Default();

  // Handles are made anew; the first entry becomes the primary monitor.
  void Replace(std::vector<Monitor> monitors);
  std::vector<Monitor> All();
  Monitor Primary();
  std::optional<Monitor> Find(HMONITOR handle);
  // The monitor that holds the point; else, when nearest, the one closest
  // to it; else none.
  std::optional<Monitor> FromPoint(POINT point, bool nearest);
  // The monitor with the largest intersection; else, when nearest, the one
  // closest to the rectangle; else none.
  std::optional<Monitor> FromRect(const RECT& rect, bool nearest);
  bool SetDpi(HMONITOR handle, UINT dpi);

 private:
  MonitorTable();

  std::mutex lock_;
  std::vector<Monitor> monitors_;
};

}  // namespace platform
