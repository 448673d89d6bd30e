// A GDI+ font: a family, an em size in a unit, a style.
#pragma once

#include <string>

#include "Platform.h"
#include "host/gdiplus/GdiplusCalls.h"

namespace platform {

class Font : public Gdiplus::GpFont {
 public:
  using Public = Gdiplus::GpFont;
  static constexpr const char* kKind = "font";

  Font(std::u16string family, std::string face, Gdiplus::REAL emSize, int style, Gdiplus::Unit unit)
      : family(std::move(family)), face(std::move(face)), emSize(emSize), style(style), unit(unit) {}

  double PixelSize(int dpi) const;
  host::GdiplusFontRecord Record(int dpi) const;

  std::u16string family;
  std::string face;
  Gdiplus::REAL emSize;
  int style;
  Gdiplus::Unit unit;
};

}  // namespace platform
