// Outlining the same shape in the same colour on the same picture again,
// over the same pixels, gives the same pixels: a window draws its border at
// every paint, and cairo's antialiased stroker costs far more than GDI+'s
// cached shapes. The memo keeps, for each outline drawn (its path as cairo
// has it, the matrix, the antialiasing, the line, the colour and the
// picture's size), the pixels it touches before and after the last time it
// was drawn; when those pixels hold the same values again, it writes the
// pixels after instead of stroking. An outline drawn once is only noted;
// the second time, the pixels it covers at all are found (the outline
// rendered as a mask) and the memo checks that cairo changed nothing else,
// or it never serves that outline. (Fills are left to cairo: a panel covers
// the whole picture, and comparing it costs about what filling it does.)
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

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

  // Strokes cairo's current path with line in color on surface, an image
  // surface of 32-bit pixels that cairo draws on; stroke is cairo's own
  // stroke of it, run whenever the memo cannot serve. The current path is
  // used up either way.
  static void Stroke(cairo_t* cairo, cairo_surface_t* surface, Gdiplus::ARGB color,
                     const Line& line, const std::function<void()>& stroke);

  // The same for any drawing of a solid colour over what lies under it, such
  // as a line of text: key says everything it draws from, cover draws it in
  // white on a mask of the surface's size (false: it could not), draw draws
  // it on the surface, and nothing outside the rectangle within (x, y,
  // width, height in pixels, clipped to the surface) may change.
  static void Paint(const std::string& key, cairo_surface_t* surface, int x, int y, int width,
                    int height, const std::function<bool(cairo_t*)>& cover,
                    const std::function<void()>& draw);
};

}  // namespace platform
