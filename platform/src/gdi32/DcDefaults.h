// The objects every new DC holds until others are selected: a 1 x 1
// monochrome bitmap (memory DCs), the white brush, the black pen and the
// system font. They are stock objects of the GDI object table, made once.
#pragma once

#include "Platform.h"

namespace platform {

struct DcDefaults {
  HGDIOBJ bitmap;
  HGDIOBJ brush;
  HGDIOBJ pen;
  HGDIOBJ font;

  static const DcDefaults& Get();
};

}  // namespace platform
