// Values for the handles that user32 hands out (windows, menus, icons and
// cursors). Windows draws them from one table; here one counter serves them
// all, so no two live or dead user objects ever share a value and a stale
// handle is always recognised as such.
#pragma once

#include <cstdint>

namespace platform {

uintptr_t NewUserHandleValue();

template <typename Handle>
Handle NewUserHandle() {
  return reinterpret_cast<Handle>(NewUserHandleValue());
}

}  // namespace platform
