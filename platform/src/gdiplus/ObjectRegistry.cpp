#include "gdiplus/ObjectRegistry.h"

#include <algorithm>
#include <cstring>

namespace platform {

ObjectRegistry& ObjectRegistry::Instance() {
  static ObjectRegistry* registry = new ObjectRegistry;  // used until the process ends
  return *registry;
}

void ObjectRegistry::Insert(const void* key, const char* kind, std::shared_ptr<void> owner) {
  std::lock_guard<std::mutex> hold(lock_);
  entries_[key] = Entry{kind, next_++, std::move(owner)};
}

std::shared_ptr<void> ObjectRegistry::Lookup(const void* key, const char* kind) {
  std::lock_guard<std::mutex> hold(lock_);
  auto it = entries_.find(key);
  if (it == entries_.end() || std::strcmp(it->second.kind, kind) != 0) return nullptr;
  return it->second.owner;
}

bool ObjectRegistry::Erase(const void* key, const char* kind) {
  std::shared_ptr<void> owner;
  {
    std::lock_guard<std::mutex> hold(lock_);
    auto it = entries_.find(key);
    if (it == entries_.end() || std::strcmp(it->second.kind, kind) != 0) return false;
    owner = std::move(it->second.owner);
    entries_.erase(it);
  }
  // The object goes outside the lock (a graphics lets its surface go).
  return true;
}

std::vector<host::GdiplusObjectRecord> ObjectRegistry::Live() {
  std::vector<std::pair<uint64_t, host::GdiplusObjectRecord>> live;
  {
    std::lock_guard<std::mutex> hold(lock_);
    for (const auto& [key, entry] : entries_) {
      live.push_back({entry.order, {reinterpret_cast<uintptr_t>(key), entry.kind}});
    }
  }
  std::sort(live.begin(), live.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<host::GdiplusObjectRecord> records;
  for (auto& item : live) records.push_back(std::move(item.second));
  return records;
}

}  // namespace platform
