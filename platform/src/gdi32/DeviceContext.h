// A device context: a memory DC (CreateCompatibleDC), whose drawing surface
// is the bitmap selected into it, or a display DC (GetDC), which has no
// pixels of its own here: it serves measuring and the DC arguments that
// UpdateLayeredWindow takes.
#pragma once

#include <array>

#include "gdi32/GdiObject.h"

namespace platform {

class DeviceContext : public GdiObject {
 public:
  enum class Kind { Memory, Display };

  DeviceContext(Kind kind, HWND window);

  DWORD Type() const override { return kind_ == Kind::Memory ? OBJ_MEMDC : OBJ_DC; }
  std::string Describe() const override;

  Kind GetKind() const { return kind_; }
  HWND Window() const { return window_; }
  int Dpi() const { return 96; }

  // The object in the slot of type (OBJ_BITMAP, OBJ_BRUSH, OBJ_PEN,
  // OBJ_FONT); null for another type. The table's lock guards the slots.
  HGDIOBJ Selected(DWORD type) const;
  void SetSelected(DWORD type, HGDIOBJ object);
  // Every selected object, for deselecting them when the DC goes.
  const std::array<HGDIOBJ, 4>& Slots() const { return slots_; }

 private:
  static int SlotOf(DWORD type);

  Kind kind_;
  HWND window_;
  std::array<HGDIOBJ, 4> slots_;
};

}  // namespace platform
