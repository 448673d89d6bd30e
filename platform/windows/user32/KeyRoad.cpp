#include "user32/KeyRoad.h"

#include "msctf/KeyRouting.h"

namespace platform {
namespace {

thread_local host::KeyDelivery delivery = host::KeyDelivery::TestThenKeyDown;

}  // namespace

bool KeyRoad::Take(const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return OfferKeyToTsf(false, msg.wParam, msg.lParam, delivery);
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return OfferKeyToTsf(true, msg.wParam, msg.lParam, delivery);
    case WM_CHAR:
      TypeIntoFocusedDocument(static_cast<WCHAR>(msg.wParam));
      return true;
    default:
      return false;
  }
}

void KeyRoad::SetDelivery(host::KeyDelivery value) { delivery = value; }

}  // namespace platform
