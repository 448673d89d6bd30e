// The record of GDI+ calls that host/gdiplus/GdiplusCalls.h reads back: the
// last kCapacity calls, each numbered, so a mark stays meaningful after the
// oldest calls have been dropped.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "host/gdiplus/GdiplusCalls.h"

namespace platform {

class CallRecorder {
 public:
  static constexpr size_t kCapacity = 65536;

  static CallRecorder& Instance();

  bool On() const { return on_.load(std::memory_order_relaxed); }
  void SetOn(bool on) { on_.store(on, std::memory_order_relaxed); }
  void Add(host::GdiplusCall call);
  uint64_t Mark();
  std::vector<host::GdiplusCall> Since(uint64_t mark);

 private:
  std::atomic<bool> on_{true};
  std::mutex lock_;
  std::deque<host::GdiplusCall> calls_;
  // The number of the oldest call kept.
  uint64_t first_ = 0;
};

}  // namespace platform
