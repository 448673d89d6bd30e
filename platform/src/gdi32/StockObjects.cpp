// GetStockObject: the stock objects live in GDI's object table like every
// other GDI object, marked stock, so SelectObject and DeleteObject know
// them. The white brush, black pen and system font are the very objects a
// new DC starts with, as on Windows.
#include <array>

#include "gdi32/DcDefaults.h"
#include "gdi32/GdiObjectTable.h"
#include "gdi32/StockObject.h"

namespace {

constexpr int kStockCount = DC_PEN + 1;
constexpr DWORD kPaletteType = 5;  // OBJ_PAL, which nothing else here needs

std::array<HGDIOBJ, kStockCount> MakeStockObjects() {
  using platform::StockObject;
  platform::GdiObjectTable& table = platform::GdiObjectTable::Instance();
  const platform::DcDefaults& defaults = platform::DcDefaults::Get();
  auto add = [&](DWORD type, const char* name, COLORREF color = 0) {
    return table.AddStock(std::make_shared<StockObject>(type, name, color));
  };
  std::array<HGDIOBJ, kStockCount> made{};
  made[WHITE_BRUSH] = defaults.brush;
  made[LTGRAY_BRUSH] = add(OBJ_BRUSH, "LTGRAY_BRUSH", RGB(192, 192, 192));
  made[GRAY_BRUSH] = add(OBJ_BRUSH, "GRAY_BRUSH", RGB(128, 128, 128));
  made[DKGRAY_BRUSH] = add(OBJ_BRUSH, "DKGRAY_BRUSH", RGB(64, 64, 64));
  made[BLACK_BRUSH] = add(OBJ_BRUSH, "BLACK_BRUSH", RGB(0, 0, 0));
  made[NULL_BRUSH] = add(OBJ_BRUSH, "NULL_BRUSH");
  made[WHITE_PEN] = add(OBJ_PEN, "WHITE_PEN", RGB(255, 255, 255));
  made[BLACK_PEN] = defaults.pen;
  made[NULL_PEN] = add(OBJ_PEN, "NULL_PEN");
  made[OEM_FIXED_FONT] = add(OBJ_FONT, "OEM_FIXED_FONT");
  made[ANSI_FIXED_FONT] = add(OBJ_FONT, "ANSI_FIXED_FONT");
  made[ANSI_VAR_FONT] = add(OBJ_FONT, "ANSI_VAR_FONT");
  made[SYSTEM_FONT] = defaults.font;
  made[DEVICE_DEFAULT_FONT] = add(OBJ_FONT, "DEVICE_DEFAULT_FONT");
  made[DEFAULT_PALETTE] = add(kPaletteType, "DEFAULT_PALETTE");
  made[SYSTEM_FIXED_FONT] = add(OBJ_FONT, "SYSTEM_FIXED_FONT");
  made[DEFAULT_GUI_FONT] = add(OBJ_FONT, "DEFAULT_GUI_FONT");
  // The DC brush and pen start white and black.
  made[DC_BRUSH] = add(OBJ_BRUSH, "DC_BRUSH", RGB(255, 255, 255));
  made[DC_PEN] = add(OBJ_PEN, "DC_PEN", RGB(0, 0, 0));
  return made;  // index 9 names nothing and stays null
}

}  // namespace

HGDIOBJ GetStockObject(int index) {
  static const std::array<HGDIOBJ, kStockCount> objects = MakeStockObjects();
  if (index < 0 || index >= kStockCount) return nullptr;
  return objects[static_cast<size_t>(index)];
}
