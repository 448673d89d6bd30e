#include "user32/SystemClasses.h"

#include "user32/ClassTable.h"
#include "user32/MessageDelivery.h"

namespace platform {
namespace {

void Register(ClassTable& table, const char16_t* name, WNDPROC procedure, UINT style,
              int windowExtra, HBRUSH background) {
  WNDCLASSW registration{};
  registration.style = style | CS_GLOBALCLASS;
  registration.lpfnWndProc = procedure;
  registration.cbWndExtra = windowExtra;
  registration.hbrBackground = background;
  registration.lpszClassName = name;
  table.Register(registration);
}

}  // namespace

void RegisterSystemClasses(ClassTable& table) {
  // The dialog class paints its background in the face colour.
  Register(table, u"#32770", &DefDlgProcW, CS_DBLCLKS | CS_SAVEBITS, DLGWINDOWEXTRA,
           reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  Register(table, u"Button", &ButtonProcedure, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, 0, nullptr);
  Register(table, u"Static", &StaticProcedure, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, 0, nullptr);
  Register(table, u"ComboBox", &ComboBoxProcedure, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, 0,
           nullptr);
}

UINT UserChoiceMessage() {
  static const UINT message = RegisterWindowMessageW(u"LutemStandIn.UserChoice");
  return message;
}

UINT UserResizeMessage() {
  static const UINT message = RegisterWindowMessageW(u"LutemStandIn.UserResize");
  return message;
}

void NotifyParent(HWND control, WORD code) {
  HWND parent = GetParent(control);
  if (parent == nullptr) return;
  Deliver(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
          reinterpret_cast<LPARAM>(control));
}

}  // namespace platform
