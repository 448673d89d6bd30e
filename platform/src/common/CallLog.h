// What the stand-in keeps of calls for the host to read back (debug output,
// message boxes, shell executions): entries in the order made, from any
// thread, until cleared.
#pragma once

#include <mutex>
#include <utility>
#include <vector>

namespace platform {

template <typename T>
class CallLog {
 public:
  void Add(T entry) {
    std::lock_guard<std::mutex> hold(lock_);
    entries_.push_back(std::move(entry));
  }
  std::vector<T> All() const {
    std::lock_guard<std::mutex> hold(lock_);
    return entries_;
  }
  void Clear() {
    std::lock_guard<std::mutex> hold(lock_);
    entries_.clear();
  }

 private:
  mutable std::mutex lock_;
  std::vector<T> entries_;
};

}  // namespace platform
