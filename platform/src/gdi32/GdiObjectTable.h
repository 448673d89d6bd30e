// Maps GDI handles (HDC, HBITMAP, HBRUSH...) to their objects, apart from
// kernel handles as on Windows. Handle values are never reused within a
// process, so a stale handle is refused instead of being followed. Stock
// objects (GetStockObject) are added with AddStock: they are never freed and
// never reported as leaks.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "gdi32/GdiObject.h"

namespace platform {

class GdiObjectTable {
 public:
  static GdiObjectTable& Instance();

  void* Add(std::shared_ptr<GdiObject> object);
  void* AddStock(std::shared_ptr<GdiObject> object);
  std::shared_ptr<GdiObject> Find(const void* handle);
  bool IsStock(const void* handle);
  // Removes a non-stock object; false for an unknown or stock handle.
  bool Remove(const void* handle);
  // The live objects that are not stock, in the order they were made.
  std::vector<std::pair<uintptr_t, std::shared_ptr<GdiObject>>> Live();

  // The table's lock, for changes that touch several objects at once
  // (selection); never held while calling out of the stand-in.
  std::recursive_mutex& Lock() { return lock_; }

  template <typename T>
  std::shared_ptr<T> FindAs(const void* handle) {
    return std::dynamic_pointer_cast<T>(Find(handle));
  }

 private:
  struct Entry {
    std::shared_ptr<GdiObject> object;
    bool stock = false;
  };
  void* Insert(std::shared_ptr<GdiObject> object, bool stock);

  std::recursive_mutex lock_;
  std::unordered_map<uintptr_t, Entry> objects_;
  // GDI handle values live apart from kernel handles' small numbers.
  uintptr_t next_ = 0x10000;
};

}  // namespace platform
