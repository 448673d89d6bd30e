// The GDI+ objects alive: what each pointer handed to a caller stands for,
// so that a pointer that was never made, or was deleted, is refused with
// InvalidParameter instead of being followed, and leaks can be listed.
// Each object class names its kind (kKind) and the public type its callers
// hold (Public); objects are looked up by the address of that public part.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "host/gdiplus/GdiplusCalls.h"

namespace platform {

class ObjectRegistry {
 public:
  static ObjectRegistry& Instance();

  template <typename T>
  typename T::Public* Add(std::shared_ptr<T> object) {
    typename T::Public* key = object.get();
    Insert(key, T::kKind, std::move(object));
    return key;
  }

  // The object at key when it is alive and of kind T, else null.
  template <typename T>
  std::shared_ptr<T> Find(const void* key) {
    return std::static_pointer_cast<T>(Lookup(key, T::kKind));
  }

  // Removes the object at key when it is of kind T; false otherwise.
  template <typename T>
  bool Remove(const void* key) {
    return Erase(key, T::kKind);
  }

  std::vector<host::GdiplusObjectRecord> Live();

 private:
  struct Entry {
    const char* kind;
    uint64_t order;
    std::shared_ptr<void> owner;
  };
  void Insert(const void* key, const char* kind, std::shared_ptr<void> owner);
  std::shared_ptr<void> Lookup(const void* key, const char* kind);
  bool Erase(const void* key, const char* kind);

  std::mutex lock_;
  std::unordered_map<const void*, Entry> entries_;
  uint64_t next_ = 0;
};

}  // namespace platform
