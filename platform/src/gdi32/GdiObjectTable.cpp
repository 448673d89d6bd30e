#include "gdi32/GdiObjectTable.h"

#include <algorithm>

namespace platform {

GdiObjectTable& GdiObjectTable::Instance() {
  // Never destroyed: objects may still be deleted by static destructors.
  static GdiObjectTable* table = new GdiObjectTable;
  return *table;
}

void* GdiObjectTable::Add(std::shared_ptr<GdiObject> object) { return Insert(std::move(object), false); }

void* GdiObjectTable::AddStock(std::shared_ptr<GdiObject> object) {
  return Insert(std::move(object), true);
}

void* GdiObjectTable::Insert(std::shared_ptr<GdiObject> object, bool stock) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  uintptr_t value = next_;
  next_ += 4;
  objects_.emplace(value, Entry{std::move(object), stock});
  return reinterpret_cast<void*>(value);
}

std::shared_ptr<GdiObject> GdiObjectTable::Find(const void* handle) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
  return it == objects_.end() ? nullptr : it->second.object;
}

bool GdiObjectTable::IsStock(const void* handle) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
  return it != objects_.end() && it->second.stock;
}

bool GdiObjectTable::Remove(const void* handle) {
  std::shared_ptr<GdiObject> object;
  {
    std::lock_guard<std::recursive_mutex> hold(lock_);
    auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
    if (it == objects_.end() || it->second.stock) return false;
    object = std::move(it->second.object);
    objects_.erase(it);
  }
  // The object's destructor (pixel memory) runs outside the lock.
  return true;
}

std::vector<std::pair<uintptr_t, std::shared_ptr<GdiObject>>> GdiObjectTable::Live() {
  std::vector<std::pair<uintptr_t, std::shared_ptr<GdiObject>>> live;
  {
    std::lock_guard<std::recursive_mutex> hold(lock_);
    for (const auto& [value, entry] : objects_) {
      if (!entry.stock) live.emplace_back(value, entry.object);
    }
  }
  std::sort(live.begin(), live.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  return live;
}

}  // namespace platform
