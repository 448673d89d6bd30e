#include "gdi32/DcDefaults.h"

#include "gdi32/Bitmap.h"
#include "gdi32/GdiObjectTable.h"
#include "gdi32/StockObject.h"

namespace platform {

const DcDefaults& DcDefaults::Get() {
  static const DcDefaults defaults = [] {
    GdiObjectTable& table = GdiObjectTable::Instance();
    DcDefaults made;
    made.bitmap = table.AddStock(Bitmap::NewMonochrome());
    made.brush = table.AddStock(std::make_shared<StockObject>(OBJ_BRUSH, "WHITE_BRUSH", RGB(255, 255, 255)));
    made.pen = table.AddStock(std::make_shared<StockObject>(OBJ_PEN, "BLACK_PEN", RGB(0, 0, 0)));
    made.font = table.AddStock(std::make_shared<StockObject>(OBJ_FONT, "SYSTEM_FONT"));
    return made;
  }();
  return defaults;
}

}  // namespace platform
