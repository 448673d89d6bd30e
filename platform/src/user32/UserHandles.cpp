#include "user32/UserHandles.h"

#include <atomic>

namespace platform {

uintptr_t NewUserHandleValue() {
  // Even, above the range of integer resources and atoms, as Windows' are.
  static std::atomic<uintptr_t> next{0x10010};
  return next.fetch_add(0x10);
}

}  // namespace platform
