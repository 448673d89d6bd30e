// Filling and outlining the same shape in the same colour on the same
// picture again, over the same pixels, gives the same pixels: a window
// draws its panel, highlight, dots and border at every paint, and cairo's
// antialiased rasteriser costs far more than GDI+'s cached shapes. The memo
// keeps, for each shape drawn (its path as cairo has it, the matrix, the
// antialiasing, the fill rule or the line, the colour and the picture's
// size), the pixels its coverage touches before and after the last time it
// was drawn; when those pixels hold the same values again, it writes the
// pixels after instead of rasterising. A shape drawn once is only noted;
// the second time, the pixels it covers at all are found (the shape
// rendered as a mask) and the memo checks that cairo changed nothing else,
// or it never serves that shape. Drawing goes on through cairo for
// everything else.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>

#include "Platform.h"

namespace platform {

class ShapeMemo {
 public:
  struct Line {
    double width = 0;
    cairo_line_join_t join = CAIRO_LINE_JOIN_MITER;
    double miterLimit = 10;
    cairo_line_cap_t cap = CAIRO_LINE_CAP_BUTT;
  };

  // Fills (line null) or strokes (with line) cairo's current path in color
  // on surface, an image surface of 32-bit pixels that cairo draws on; draw
  // is cairo's own fill or stroke of it, run whenever the memo cannot serve.
  // The current path is used up either way.
  static void Draw(cairo_t* cairo, cairo_surface_t* surface, Gdiplus::ARGB color,
                   const Line* line, const std::function<void()>& draw);
};

}  // namespace platform
