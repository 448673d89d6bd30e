#include "gdi32/DeviceContext.h"

#include "gdi32/DcDefaults.h"

namespace platform {

DeviceContext::DeviceContext(Kind kind, HWND window) : kind_(kind), window_(window) {
  const DcDefaults& defaults = DcDefaults::Get();
  // A display DC draws on the screen, never on a bitmap of its own.
  slots_[0] = kind == Kind::Memory ? defaults.bitmap : nullptr;
  slots_[1] = defaults.brush;
  slots_[2] = defaults.pen;
  slots_[3] = defaults.font;
}

std::string DeviceContext::Describe() const {
  return kind_ == Kind::Memory ? "memory DC" : "display DC";
}

int DeviceContext::SlotOf(DWORD type) {
  switch (type) {
    case OBJ_BITMAP: return 0;
    case OBJ_BRUSH: return 1;
    case OBJ_PEN: return 2;
    case OBJ_FONT: return 3;
    default: return -1;
  }
}

HGDIOBJ DeviceContext::Selected(DWORD type) const {
  int slot = SlotOf(type);
  return slot < 0 ? nullptr : slots_[slot];
}

void DeviceContext::SetSelected(DWORD type, HGDIOBJ object) {
  int slot = SlotOf(type);
  if (slot >= 0) slots_[slot] = object;
}

}  // namespace platform
