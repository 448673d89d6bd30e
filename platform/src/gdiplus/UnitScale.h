// Pixels per unit of a GDI+ unit at a DPI (the world and display units are
// pixels on a graphics without a transform); 0 for an unknown unit.
#pragma once

#include "Platform.h"

namespace platform {

double PixelsPerUnit(Gdiplus::Unit unit, int dpi);

}  // namespace platform
