// A GDI+ pen: a colour and a width in its unit.
#pragma once

#include "Platform.h"

namespace platform {

class Pen : public Gdiplus::GpPen {
 public:
  using Public = Gdiplus::GpPen;
  static constexpr const char* kKind = "pen";

  Pen(Gdiplus::ARGB color, Gdiplus::REAL width, Gdiplus::Unit unit)
      : color(color), width(width), unit(unit) {}

  // The width in pixels at dpi.
  double PixelWidth(int dpi) const;

  Gdiplus::ARGB color;
  Gdiplus::REAL width;
  Gdiplus::Unit unit;
};

}  // namespace platform
