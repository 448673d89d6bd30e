#include "user32/WindowClass.h"

#include "common/HostText.h"

namespace platform {

WindowClass::WindowClass(const WNDCLASSW& registration, ATOM atom)
    : atom(atom),
      name(registration.lpszClassName, WideLength(registration.lpszClassName)),
      instance(registration.hInstance),
      style(registration.style),
      procedure(registration.lpfnWndProc),
      classExtra(registration.cbClsExtra),
      windowExtra(registration.cbWndExtra),
      icon(registration.hIcon),
      cursor(registration.hCursor),
      background(registration.hbrBackground),
      menu_(registration.lpszMenuName) {
  if (menu_ != nullptr && !IS_INTRESOURCE(menu_)) {
    menuName_.assign(menu_, WideLength(menu_));
    menu_ = menuName_.c_str();
  }
}

WNDCLASSW WindowClass::Describe() const {
  WNDCLASSW out{};
  out.style = style;
  out.lpfnWndProc = procedure;
  out.cbClsExtra = classExtra;
  out.cbWndExtra = windowExtra;
  out.hInstance = instance;
  out.hIcon = icon;
  out.hCursor = cursor;
  out.hbrBackground = background;
  out.lpszMenuName = menu_;
  return out;
}

}  // namespace platform
