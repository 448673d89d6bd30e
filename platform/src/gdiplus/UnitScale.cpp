#include "gdiplus/UnitScale.h"

namespace platform {

double PixelsPerUnit(Gdiplus::Unit unit, int dpi) {
  switch (unit) {
    case Gdiplus::UnitWorld:
    case Gdiplus::UnitDisplay:
    case Gdiplus::UnitPixel:
      return 1.0;
    case Gdiplus::UnitPoint:
      return dpi / 72.0;
    case Gdiplus::UnitInch:
      return dpi;
    case Gdiplus::UnitDocument:
      return dpi / 300.0;
    case Gdiplus::UnitMillimeter:
      return dpi / 25.4;
  }
  return 0.0;
}

}  // namespace platform
