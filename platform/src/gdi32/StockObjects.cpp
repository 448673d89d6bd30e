#include "gdi32/StockObjects.h"

#include <cstdint>

namespace platform {
namespace {

using Kind = StockObject::Kind;

// Indexed by the stock object number; 9 names nothing. DC_BRUSH and DC_PEN
// carry their default colours (white, black).
const StockObject kStockObjects[] = {
    {WHITE_BRUSH, Kind::Brush, false, RGB(255, 255, 255)},
    {LTGRAY_BRUSH, Kind::Brush, false, RGB(192, 192, 192)},
    {GRAY_BRUSH, Kind::Brush, false, RGB(128, 128, 128)},
    {DKGRAY_BRUSH, Kind::Brush, false, RGB(64, 64, 64)},
    {BLACK_BRUSH, Kind::Brush, false, RGB(0, 0, 0)},
    {NULL_BRUSH, Kind::Brush, true, 0},
    {WHITE_PEN, Kind::Pen, false, RGB(255, 255, 255)},
    {BLACK_PEN, Kind::Pen, false, RGB(0, 0, 0)},
    {NULL_PEN, Kind::Pen, true, 0},
    {-1, Kind::Brush, true, 0},
    {OEM_FIXED_FONT, Kind::Font, false, 0},
    {ANSI_FIXED_FONT, Kind::Font, false, 0},
    {ANSI_VAR_FONT, Kind::Font, false, 0},
    {SYSTEM_FONT, Kind::Font, false, 0},
    {DEVICE_DEFAULT_FONT, Kind::Font, false, 0},
    {DEFAULT_PALETTE, Kind::Palette, false, 0},
    {SYSTEM_FIXED_FONT, Kind::Font, false, 0},
    {DEFAULT_GUI_FONT, Kind::Font, false, 0},
    {DC_BRUSH, Kind::Brush, false, RGB(255, 255, 255)},
    {DC_PEN, Kind::Pen, false, RGB(0, 0, 0)},
};
constexpr int kCount = sizeof(kStockObjects) / sizeof(kStockObjects[0]);

}  // namespace

const StockObject* FindStockObject(HGDIOBJ handle) {
  auto address = reinterpret_cast<uintptr_t>(handle);
  auto first = reinterpret_cast<uintptr_t>(kStockObjects);
  if (address < first || address >= first + sizeof(kStockObjects) ||
      (address - first) % sizeof(StockObject) != 0)
    return nullptr;
  const StockObject* entry = &kStockObjects[(address - first) / sizeof(StockObject)];
  return entry->index < 0 ? nullptr : entry;
}

}  // namespace platform

HGDIOBJ GetStockObject(int index) {
  if (index < 0 || index >= platform::kCount || platform::kStockObjects[index].index < 0)
    return nullptr;
  return const_cast<platform::StockObject*>(&platform::kStockObjects[index]);
}
