// What an HGDIOBJ or HDC stands for. Each kind (DC, bitmap, brush...) derives
// from this; GdiObjectTable owns them and DeleteObject/DeleteDC destroy them.
#pragma once

#include <string>

#include "Platform.h"

namespace platform {

class GdiObject {
 public:
  virtual ~GdiObject() = default;
  // OBJ_DC, OBJ_MEMDC, OBJ_BITMAP, OBJ_BRUSH, OBJ_PEN, OBJ_FONT.
  virtual DWORD Type() const = 0;
  // For leak reports: "memory DC", "bitmap 40x30"...
  virtual std::string Describe() const = 0;

  // The DC this object is selected into, or null. Guarded by the table's lock.
  HDC selectedInto = nullptr;
};

}  // namespace platform
