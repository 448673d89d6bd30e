#include "gdiplus/SolidFill.h"

namespace platform {

void SetCairoColor(cairo_t* cairo, Gdiplus::ARGB color) {
  auto channel = [color](int shift) { return ((color >> shift) & 0xFF) / 255.0; };
  cairo_set_source_rgba(cairo, channel(16), channel(8), channel(0), channel(24));
}

}  // namespace platform
