#include "gdiplus/Font.h"

#include "gdiplus/UnitScale.h"

namespace platform {

double Font::PixelSize(int dpi) const { return emSize * PixelsPerUnit(unit, dpi); }

host::GdiplusFontRecord Font::Record(int dpi) const {
  return {family, face, emSize, style, unit, static_cast<float>(PixelSize(dpi))};
}

}  // namespace platform
