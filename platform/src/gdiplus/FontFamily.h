// A GDI+ font family: the name asked for and the installed family drawn.
#pragma once

#include <string>

#include "Platform.h"

namespace platform {

class FontFamily : public Gdiplus::GpFontFamily {
 public:
  using Public = Gdiplus::GpFontFamily;
  static constexpr const char* kKind = "font family";

  FontFamily(std::u16string name, std::string face) : name(std::move(name)), face(std::move(face)) {}

  std::u16string name;  // empty for the generic sans-serif family
  std::string face;
};

}  // namespace platform
