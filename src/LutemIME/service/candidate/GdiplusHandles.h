#pragma once

#include <memory>

#include "Platform.h"

// Owning pointers for the GDI+ flat API's objects, so that every path out of
// a paint or a measurement deletes what it made. A null pointer is never
// handed to a delete call.
struct GdiplusDeleter {
  void operator()(Gdiplus::GpGraphics* graphics) const {
    Gdiplus::DllExports::GdipDeleteGraphics(graphics);
  }
  void operator()(Gdiplus::GpSolidFill* brush) const {
    Gdiplus::DllExports::GdipDeleteBrush(brush);
  }
  void operator()(Gdiplus::GpPen* pen) const { Gdiplus::DllExports::GdipDeletePen(pen); }
  void operator()(Gdiplus::GpPath* path) const { Gdiplus::DllExports::GdipDeletePath(path); }
  void operator()(Gdiplus::GpFont* font) const { Gdiplus::DllExports::GdipDeleteFont(font); }
  void operator()(Gdiplus::GpFontFamily* family) const {
    Gdiplus::DllExports::GdipDeleteFontFamily(family);
  }
  void operator()(Gdiplus::GpStringFormat* format) const {
    Gdiplus::DllExports::GdipDeleteStringFormat(format);
  }
};

template <typename T>
using GdiplusPtr = std::unique_ptr<T, GdiplusDeleter>;

// A solid brush of color; null when GDI+ could not make one.
inline GdiplusPtr<Gdiplus::GpSolidFill> MakeSolidBrush(Gdiplus::ARGB color) {
  Gdiplus::GpSolidFill* brush = nullptr;
  if (Gdiplus::DllExports::GdipCreateSolidFill(color, &brush) != Gdiplus::Ok) return nullptr;
  return GdiplusPtr<Gdiplus::GpSolidFill>(brush);
}
