// A GDI+ solid brush.
#pragma once

#include <cairo.h>

#include "Platform.h"

namespace platform {

class SolidFill : public Gdiplus::GpSolidFill {
 public:
  using Public = Gdiplus::GpBrush;
  static constexpr const char* kKind = "solid fill";

  explicit SolidFill(Gdiplus::ARGB color) : color(color) {}

  Gdiplus::ARGB color;
};

// Makes color (straight ARGB, as GDI+ takes it) cairo's source.
void SetCairoColor(cairo_t* cairo, Gdiplus::ARGB color);

}  // namespace platform
