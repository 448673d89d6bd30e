#include "kernel32/HandleTable.h"

namespace platform {

HandleTable& HandleTable::Instance() {
  // Never destroyed: handles may still be closed by static destructors.
  static HandleTable* table = new HandleTable;
  return *table;
}

HANDLE HandleTable::Add(std::shared_ptr<KernelObject> object) {
  std::lock_guard<std::mutex> hold(lock_);
  uintptr_t value = next_;
  next_ += 4;
  objects_.emplace(value, std::move(object));
  return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> HandleTable::Find(HANDLE handle) {
  std::lock_guard<std::mutex> hold(lock_);
  auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
  return it == objects_.end() ? nullptr : it->second;
}

bool HandleTable::Remove(HANDLE handle) {
  std::shared_ptr<KernelObject> object;
  {
    std::lock_guard<std::mutex> hold(lock_);
    auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
    if (it == objects_.end()) return false;
    object = std::move(it->second);
    objects_.erase(it);
  }
  // The object's destructor (closing sockets, files) runs outside the lock.
  return true;
}

}  // namespace platform

BOOL CloseHandle(HANDLE object) {
  if (!platform::HandleTable::Instance().Remove(object)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
