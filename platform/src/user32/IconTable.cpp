#include "user32/IconTable.h"

#include <algorithm>

#include "user32/UserHandles.h"

namespace platform {
namespace {

constexpr WORD kSystemCursors[] = {32512, 32513, 32514, 32515, 32516, 32642, 32643,
                                   32644, 32645, 32646, 32648, 32649, 32650, 32651};

uintptr_t Key(HICON icon) { return reinterpret_cast<uintptr_t>(icon); }

}  // namespace

IconTable& IconTable::Instance() {
  static IconTable* table = new IconTable;  // shared cursors live as long as the process
  return *table;
}

HICON IconTable::SystemCursor(WORD id) {
  if (std::find(std::begin(kSystemCursors), std::end(kSystemCursors), id) ==
      std::end(kSystemCursors))
    return nullptr;
  std::lock_guard<std::mutex> hold(lock_);
  auto found = systemCursors_.find(id);
  if (found != systemCursors_.end()) return found->second;
  IconObject cursor;
  cursor.kind = IconObject::Kind::SystemCursor;
  cursor.systemId = id;
  cursor.width = cursor.height = 32;
  cursor.shared = true;
  HICON handle = NewUserHandle<HICON>();
  objects_.emplace(Key(handle), cursor);
  systemCursors_.emplace(id, handle);
  return handle;
}

HICON IconTable::Add(const IconObject& object) {
  HICON handle = NewUserHandle<HICON>();
  std::lock_guard<std::mutex> hold(lock_);
  objects_.emplace(Key(handle), object);
  return handle;
}

HICON IconTable::FindShared(HINSTANCE module, WORD groupId, int width, int height) {
  std::lock_guard<std::mutex> hold(lock_);
  for (const auto& [key, o] : objects_)
    if (o.kind == IconObject::Kind::ModuleIcon && o.shared && o.module == module &&
        o.groupId == groupId && o.width == width && o.height == height)
      return reinterpret_cast<HICON>(key);
  return nullptr;
}

bool IconTable::Destroy(HICON icon) {
  std::lock_guard<std::mutex> hold(lock_);
  auto found = objects_.find(Key(icon));
  if (found == objects_.end()) return false;
  if (!found->second.shared) objects_.erase(found);
  return true;
}

std::optional<IconObject> IconTable::Find(HICON icon) {
  std::lock_guard<std::mutex> hold(lock_);
  auto found = objects_.find(Key(icon));
  if (found == objects_.end()) return std::nullopt;
  return found->second;
}

size_t IconTable::LiveIconCount() {
  std::lock_guard<std::mutex> hold(lock_);
  return static_cast<size_t>(std::count_if(objects_.begin(), objects_.end(), [](const auto& entry) {
    return !entry.second.shared;
  }));
}

}  // namespace platform
