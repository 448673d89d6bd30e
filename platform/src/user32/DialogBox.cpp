// DialogBoxParamW, its modal loop, EndDialog and SendDlgItemMessageW
// (platform/user32/WinDialog.h).
#include <memory>
#include <optional>
#include <string>

#include "Platform.h"
#include "user32/Desktop.h"
#include "user32/DialogTemplate.h"
#include "user32/ModalDialog.h"
#include "user32/ThreadQueues.h"

using platform::DialogTemplate;
using platform::ModalDialog;

namespace {

std::u16string TemplateName(LPCWSTR name) {
  if (IS_INTRESOURCE(name)) {
    platform::NameOrOrdinal ordinal;
    ordinal.ordinal = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
    return ordinal.Text();
  }
  std::u16string text;
  for (LPCWSTR p = name; *p != 0; ++p) text += *p;
  return text;
}

std::optional<DialogTemplate> LoadTemplate(HINSTANCE instance, LPCWSTR name) {
  HRSRC found = FindResourceW(instance, name, RT_DIALOG);
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  if (loaded == nullptr) return std::nullopt;
  std::optional<DialogTemplate> dialog =
      platform::ReadDialogTemplate(LockResource(loaded), SizeofResource(instance, found));
  if (!dialog) SetLastError(ERROR_INVALID_DATA);
  return dialog;
}

// Where the dialog's window goes: centred on the work area (DS_CENTER), or
// at the template's place from the owner's client area (from the screen
// with DS_ABSALIGN or without an owner).
POINT Place(const DialogTemplate& dialog, HWND owner, int width, int height) {
  if (dialog.style & (DS_CENTER | DS_CENTERMOUSE)) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR monitor = owner ? MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY)
                             : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (monitor != nullptr && GetMonitorInfoW(monitor, &info)) {
      const RECT& work = info.rcWork;
      return POINT{work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2};
    }
  }
  POINT origin{0, 0};
  if (owner != nullptr && !(dialog.style & DS_ABSALIGN)) ClientToScreen(owner, &origin);
  return POINT{origin.x + platform::DialogUnitsToPixelsX(dialog.x),
               origin.y + platform::DialogUnitsToPixelsY(dialog.y)};
}

bool CreateControls(HWND window, HINSTANCE instance, const DialogTemplate& dialog) {
  for (const platform::DialogItemTemplate& item : dialog.items) {
    // A number in place of the text reaches the control as 0xFFFF and the number.
    WCHAR ordinalText[3] = {0xFFFF, item.text.ordinal, 0};
    LPCWSTR text = item.text.ordinal != 0 ? ordinalText : item.text.name.c_str();
    LPVOID data = item.creationData.empty() ? nullptr : const_cast<BYTE*>(item.creationData.data());
    HWND control = CreateWindowExW(
        item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.c_str(), text, item.style | WS_CHILD,
        platform::DialogUnitsToPixelsX(item.x), platform::DialogUnitsToPixelsY(item.y),
        platform::DialogUnitsToPixelsX(item.cx), platform::DialogUnitsToPixelsY(item.cy), window,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, data);
    if (control == nullptr && !(dialog.style & DS_NOFAILCREATE)) return false;
  }
  return true;
}

// The control that gets the focus first: the first visible, enabled
// control with WS_TABSTOP, in creation order.
HWND FirstTabStop(HWND window) {
  platform::Desktop& desktop = platform::Desktop::Instance();
  auto hold = desktop.Hold();
  auto dialog = desktop.Find(window);
  if (!dialog) return nullptr;
  for (HWND child : dialog->children) {
    auto control = desktop.Find(child);
    if (control && (control->style & WS_TABSTOP) && control->IsVisibleItself() &&
        control->IsEnabledItself())
      return child;
  }
  return nullptr;
}

// Made as CreateDialogIndirectParam makes it: the window (without its
// dialog procedure, so its creation messages take the defaults), then the
// controls, then WM_INITDIALOG. Null when it cannot be made.
HWND CreateDialogWindow(const DialogTemplate& dialog, HINSTANCE instance, HWND owner,
                        DLGPROC procedure, LPARAM initParam,
                        const std::shared_ptr<ModalDialog>& record) {
  DWORD style = dialog.style & ~static_cast<DWORD>(WS_VISIBLE);
  DWORD exStyle = dialog.exStyle | ((dialog.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
  RECT frame{0, 0, platform::DialogUnitsToPixelsX(dialog.cx),
             platform::DialogUnitsToPixelsY(dialog.cy)};
  AdjustWindowRectEx(&frame, style, dialog.menu.present, exStyle);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  POINT place = Place(dialog, owner, width, height);
  std::u16string className = dialog.className.present ? dialog.className.Text() : u"#32770";
  HWND window = CreateWindowExW(exStyle, className.c_str(), dialog.title.c_str(), style, place.x,
                                place.y, width, height, owner, nullptr, instance, nullptr);
  if (window == nullptr) return nullptr;
  ModalDialog::Add(window, record);
  SetWindowLongPtrW(window, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
  if (!CreateControls(window, instance, dialog)) {
    DWORD error = GetLastError();
    ModalDialog::Remove(window);
    DestroyWindow(window);
    SetLastError(error);
    return nullptr;
  }
  HWND focus = FirstTabStop(window);
  if (SendMessageW(window, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), initParam) &&
      focus != nullptr && IsWindow(focus)) {
    SetFocus(focus);
    if (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
      SendMessageW(focus, EM_SETSEL, 0, -1);
  }
  return window;
}

// The dialog keyboard interface for the keys a dialog answers itself:
// Escape is IDCANCEL, Enter the default button. True when the key was
// taken.
bool TakeDialogKey(HWND dialog, const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.hwnd != dialog && !IsChild(dialog, message.hwnd)) return false;
  int id = 0;
  if (message.wParam == VK_ESCAPE) {
    id = IDCANCEL;
  } else if (message.wParam == VK_RETURN) {
    LRESULT answer = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    id = HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : IDOK;
  } else {
    return false;
  }
  HWND control = GetDlgItem(dialog, id);
  if (control != nullptr && !IsWindowEnabled(control)) return true;
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
  return true;
}

void RunModalLoop(HWND dialog, ModalDialog& record) {
  std::shared_ptr<platform::MessageQueue> queue = platform::ThreadQueues::Instance().Current();
  while (!record.ended && IsWindow(dialog)) {
    uint64_t seen = queue->Sequence();
    MSG message{};
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!record.ended) queue->WaitForInput(seen);
      continue;
    }
    if (message.message == WM_QUIT) {
      // The application's own loop must see it too.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (TakeDialogKey(dialog, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam) {
  if (owner != nullptr && !IsWindow(owner)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (templateName == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return -1;
  }
  std::optional<DialogTemplate> dialog = LoadTemplate(instance, templateName);
  if (!dialog) return -1;
  auto record = std::make_shared<ModalDialog>(TemplateName(templateName));
  HWND window = CreateDialogWindow(*dialog, instance, owner, dialogProc, initParam, record);
  if (window == nullptr) return -1;
  bool ownerDisabled = false;
  if (!record->ended) {
    ShowWindow(window, SW_SHOWNORMAL);
    if (owner != nullptr && IsWindowEnabled(owner)) {
      EnableWindow(owner, FALSE);
      ownerDisabled = true;
    }
    RunModalLoop(window, *record);
  }
  // The owner comes back before the dialog goes, so it can be activated.
  if (ownerDisabled) EnableWindow(owner, TRUE);
  DestroyWindow(window);
  ModalDialog::Remove(window);
  return record->result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  std::shared_ptr<ModalDialog> record = ModalDialog::Of(dialog);
  if (!record) {
    SetLastError(ERROR_WINDOW_NOT_DIALOG);
    return FALSE;
  }
  record->End(result);
  // Wakes the loop, which may be waiting on another thread.
  if (auto queue = platform::ThreadQueues::Instance().Of(GetWindowThreadProcessId(dialog, nullptr)))
    queue->Notify();
  return TRUE;
}

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND control = GetDlgItem(dialog, id);
  return control == nullptr ? 0 : SendMessageW(control, message, wParam, lParam);
}
