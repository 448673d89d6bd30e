// The DPI awareness of each thread and of the process, and the translation
// between DPI_AWARENESS_CONTEXT values and awareness kinds. The values handed
// out are the stand-in's own (as Windows' are its own), so code that
// compares them with the DPI_AWARENESS_CONTEXT_* constants by value is
// caught here as it would misbehave on Windows.
#pragma once

#include <map>
#include <mutex>
#include <optional>

#include "Platform.h"
#include "host/user32/Monitors.h"

namespace platform {

using DpiAwareness = host::DpiAwareness;

class DpiContexts {
 public:
  static DpiContexts& Instance();

  // Either a DPI_AWARENESS_CONTEXT_* constant or a value handed out here.
  static std::optional<DpiAwareness> KindOf(DPI_AWARENESS_CONTEXT context);
  static DPI_AWARENESS_CONTEXT ValueOf(DpiAwareness kind);
  static bool IsPerMonitor(DpiAwareness kind) {
    return kind == DpiAwareness::PerMonitor || kind == DpiAwareness::PerMonitorV2;
  }

  DpiAwareness OfThread(DWORD threadId);
  // Returns the previous kind.
  DpiAwareness SetForThread(DWORD threadId, DpiAwareness kind);
  void SetProcessDefault(DpiAwareness kind);
  // Every thread back to the process default, which becomes unaware.
  void Reset();

 private:
  std::mutex lock_;
  DpiAwareness processDefault_ = DpiAwareness::Unaware;
  std::map<DWORD, DpiAwareness> threads_;
};

}  // namespace platform
