#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "kernel32/KernelObject.h"

namespace platform {

// Maps handle values to their objects. Handle values are small multiples of
// four as on Windows, never reused within a process, so a stale or made-up
// handle is refused with ERROR_INVALID_HANDLE instead of being followed.
// Lookups hand out shared ownership: a handle closed on one thread while a
// call on another still uses it keeps its object alive until that call ends.
class HandleTable {
 public:
  static HandleTable& Instance();

  HANDLE Add(std::shared_ptr<KernelObject> object);
  std::shared_ptr<KernelObject> Find(HANDLE handle);
  bool Remove(HANDLE handle);

  template <typename T>
  std::shared_ptr<T> FindAs(HANDLE handle) {
    return std::dynamic_pointer_cast<T>(Find(handle));
  }

 private:
  std::mutex lock_;
  std::unordered_map<uintptr_t, std::shared_ptr<KernelObject>> objects_;
  uintptr_t next_ = 0x100;
};

}  // namespace platform
