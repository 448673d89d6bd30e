// Setting up the monitors and DPI, and reading the DPI awareness that
// threads and windows run with.
#pragma once

#include <vector>

#include "Platform.h"

namespace host {

struct MonitorSpec {
  RECT rect;
  RECT work;
  UINT dpi = 96;
};

// Replaces the monitors; the first is the primary one (it should hold the
// point 0, 0). Per-monitor-aware top-level windows whose monitor's DPI is
// now another get WM_DPICHANGED. An empty list restores the default monitor.
void SetMonitors(const std::vector<MonitorSpec>& monitors);
// Changes one monitor's DPI (index into the list), as a user changing its
// scale does: per-monitor-aware top-level windows on it get WM_DPICHANGED.
void SetMonitorDpi(size_t index, UINT dpi);

enum class DpiAwareness { Unaware, SystemAware, PerMonitor, PerMonitorV2, UnawareGdiScaled };

// The context a thread runs with now (the process's until it sets its own).
DpiAwareness ThreadDpiAwareness(DWORD threadId);
// The awareness of the host process, which threads start with.
void SetProcessDpiAwareness(DpiAwareness awareness);
DpiAwareness WindowDpiAwareness(HWND window);

}  // namespace host
