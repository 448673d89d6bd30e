#pragma once

#include "Platform.h"

// Replaces the path's contents with a closed rounded rectangle of corner
// radius r over (x, y, width, height): four quarter arcs clockwise from the
// top-left corner, or the plain rectangle for r <= 0. A call that fails
// leaves the rest to be tried; the first failure is the result.
Gdiplus::GpStatus AddRoundedRectangle(Gdiplus::GpPath* path, Gdiplus::REAL r, Gdiplus::REAL x,
                                      Gdiplus::REAL y, Gdiplus::REAL width, Gdiplus::REAL height);
