// DefDlgProcW, the procedure of the dialog class (platform/user32/WinDialog.h).
#include "Platform.h"
#include "user32/Desktop.h"

namespace {

// Messages whose answer is the dialog procedure's own return value rather
// than DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case 0x0039:  // WM_COMPAREITEM
    case 0x002E:  // WM_VKEYTOITEM
    case 0x002F:  // WM_CHARTOITEM
    case 0x0037:  // WM_QUERYDRAGICON
      return true;
    default:
      // WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC
      return message >= 0x0132 && message <= 0x0138;
  }
}

// The first default push button's id, as DM_GETDEFID reports it; 0 for none.
LRESULT DefaultButton(HWND dialog) {
  platform::Desktop& desktop = platform::Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(dialog);
  if (!window) return 0;
  for (HWND child : window->children) {
    auto control = desktop.Find(child);
    if (control && control->windowClass->name == u"Button" &&
        (control->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      return MAKELRESULT(control->id, DC_HASDEFID);
  }
  return 0;
}

}  // namespace

LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto procedure = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC));
  if (procedure != nullptr) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
    INT_PTR handled = procedure(dialog, message, wParam, lParam);
    if (handled != 0) {
      if (AnswersDirectly(message)) return handled;
      return IsWindow(dialog) ? GetWindowLongPtrW(dialog, DWLP_MSGRESULT) : 0;
    }
  }
  switch (message) {
    case WM_CLOSE: {
      HWND cancel = GetDlgItem(dialog, IDCANCEL);
      if (cancel == nullptr || IsWindowEnabled(cancel))
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(cancel));
      return 0;
    }
    case DM_GETDEFID:
      return DefaultButton(dialog);
    case WM_INITDIALOG:
      return 0;
    default:
      return DefWindowProcW(dialog, message, wParam, lParam);
  }
}
