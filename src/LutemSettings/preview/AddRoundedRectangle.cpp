#include "preview/AddRoundedRectangle.h"

using namespace Gdiplus;

GpStatus AddRoundedRectangle(GpPath* path, REAL r, REAL x, REAL y, REAL width, REAL height) {
  GpStatus first = Ok;
  auto keep = [&](GpStatus status) {
    if (first == Ok) first = status;
  };
  keep(DllExports::GdipResetPath(path));
  if (r <= 0) {
    keep(DllExports::GdipAddPathRectangle(path, x, y, width, height));
    return first;
  }
  REAL d = 2 * r;
  keep(DllExports::GdipAddPathArc(path, x, y, d, d, 180, 90));
  keep(DllExports::GdipAddPathArc(path, x + width - d, y, d, d, 270, 90));
  keep(DllExports::GdipAddPathArc(path, x + width - d, y + height - d, d, d, 0, 90));
  keep(DllExports::GdipAddPathArc(path, x, y + height - d, d, d, 90, 90));
  keep(DllExports::GdipClosePathFigure(path));
  return first;
}
