#include "user32/MonitorTable.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "user32/UserHandles.h"

namespace platform {
namespace {

int64_t Overlap(LONG aLow, LONG aHigh, LONG bLow, LONG bHigh) {
  return std::max<int64_t>(0, int64_t{std::min(aHigh, bHigh)} - std::max(aLow, bLow));
}

// Gap between two ranges on one axis; 0 when they touch or overlap.
int64_t Gap(LONG aLow, LONG aHigh, LONG bLow, LONG bHigh) {
  if (aHigh <= bLow) return int64_t{bLow} - aHigh;
  if (bHigh <= aLow) return int64_t{aLow} - bHigh;
  return 0;
}

int64_t SquaredDistance(const RECT& a, const RECT& b) {
  int64_t dx = Gap(a.left, a.right, b.left, b.right);
  int64_t dy = Gap(a.top, a.bottom, b.top, b.bottom);
  return dx * dx + dy * dy;
}

}  // namespace

MonitorTable& MonitorTable::Instance() {
  static MonitorTable* table = new MonitorTable;
  return *table;
}

MonitorTable::MonitorTable() { Replace(Default()); }

std::vector<Monitor> MonitorTable::Default() {
  Monitor primary;
  primary.rect = {0, 0, 1920, 1080};
  primary.work = {0, 0, 1920, 1040};
  primary.dpi = 96;
  return {primary};
}

void MonitorTable::Replace(std::vector<Monitor> monitors) {
  if (monitors.empty()) monitors = Default();
  for (Monitor& m : monitors) m.handle = NewUserHandle<HMONITOR>();
  std::lock_guard<std::mutex> hold(lock_);
  monitors_ = std::move(monitors);
}

std::vector<Monitor> MonitorTable::All() {
  std::lock_guard<std::mutex> hold(lock_);
  return monitors_;
}

Monitor MonitorTable::Primary() {
  std::lock_guard<std::mutex> hold(lock_);
  return monitors_.front();
}

std::optional<Monitor> MonitorTable::Find(HMONITOR handle) {
  std::lock_guard<std::mutex> hold(lock_);
  for (const Monitor& m : monitors_)
    if (m.handle == handle) return m;
  return std::nullopt;
}

std::optional<Monitor> MonitorTable::FromPoint(POINT point, bool nearest) {
  RECT dot{point.x, point.y, point.x + 1, point.y + 1};
  return FromRect(dot, nearest);
}

std::optional<Monitor> MonitorTable::FromRect(const RECT& rect, bool nearest) {
  std::lock_guard<std::mutex> hold(lock_);
  const Monitor* best = nullptr;
  int64_t bestArea = 0;
  for (const Monitor& m : monitors_) {
    int64_t area = Overlap(rect.left, rect.right, m.rect.left, m.rect.right) *
                   Overlap(rect.top, rect.bottom, m.rect.top, m.rect.bottom);
    if (area > bestArea) {
      best = &m;
      bestArea = area;
    }
  }
  if (best != nullptr) return *best;
  if (!nearest) return std::nullopt;
  // An empty rectangle is measured from its top-left point.
  RECT from = rect;
  if (from.right <= from.left) from.right = from.left + 1;
  if (from.bottom <= from.top) from.bottom = from.top + 1;
  int64_t bestDistance = std::numeric_limits<int64_t>::max();
  for (const Monitor& m : monitors_) {
    int64_t distance = SquaredDistance(from, m.rect);
    if (distance < bestDistance) {
      best = &m;
      bestDistance = distance;
    }
  }
  return *best;
}

bool MonitorTable::SetDpi(HMONITOR handle, UINT dpi) {
  std::lock_guard<std::mutex> hold(lock_);
  for (Monitor& m : monitors_)
    if (m.handle == handle) {
      m.dpi = dpi;
      return true;
    }
  return false;
}

}  // namespace platform
