#include "gdiplus/Pen.h"

#include "gdiplus/UnitScale.h"

namespace platform {

double Pen::PixelWidth(int dpi) const { return width * PixelsPerUnit(unit, dpi); }

}  // namespace platform
