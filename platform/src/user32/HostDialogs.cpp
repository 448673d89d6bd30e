// The host's dialogs (host/user32/Dialogs.h).
#include "host/user32/Dialogs.h"
#include "host/user32/Mouse.h"
#include "user32/Desktop.h"
#include "user32/Focus.h"
#include "user32/ModalDialog.h"
#include "user32/StaticPicture.h"
#include "user32/SystemClasses.h"

using platform::Desktop;
using platform::Window;

namespace {

bool IsDialogWindow(const Window& window) { return window.windowClass->name == u"#32770"; }

// Read from the control's state, not asked with messages: the host may
// look while the control's thread is busy.
void DescribeControl(host::ControlInfo& info) {
  if (info.className == u"Button") info.check = platform::ButtonCheckOf(info.window);
  if (info.className == u"ComboBox") {
    info.items = platform::ComboBoxItemsOf(info.window, &info.selection);
    if (info.selection >= 0 && static_cast<size_t>(info.selection) < info.items.size())
      info.text = info.items[static_cast<size_t>(info.selection)];
  }
  if (info.className == u"Static") info.icon = platform::StaticIconOf(info.window);
}

std::optional<host::DialogInfo> Describe(HWND handle) {
  host::DialogInfo info;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.Find(handle);
    if (!window || !IsDialogWindow(*window)) return std::nullopt;
    info.window = handle;
    info.title = window->title;
    info.owner = window->owner;
    info.threadId = window->threadId;
    info.style = window->style;
    info.exStyle = window->exStyle;
    info.rect = desktop.ScreenRect(*window);
    POINT origin = desktop.ClientOrigin(*window);
    RECT client = desktop.ClientRect(*window);
    info.clientRect = RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    info.visible = window->IsVisibleItself();
    info.enabled = window->IsEnabledItself();
    for (HWND child : window->children) {
      auto control = desktop.Find(child);
      if (!control) continue;
      host::ControlInfo item;
      item.window = child;
      item.id = static_cast<int>(control->id);
      item.className = control->windowClass->name;
      item.text = control->title;
      item.style = control->style;
      item.exStyle = control->exStyle;
      item.rect = control->rect;
      item.visible = control->IsVisibleItself();
      item.enabled = control->IsEnabledItself();
      info.controls.push_back(item);
    }
  }
  if (auto record = platform::ModalDialog::Of(handle)) info.templateName = record->templateName;
  HWND focus = platform::FocusOfThread(info.threadId);
  if (focus != nullptr && (focus == handle || IsChild(handle, focus))) info.focus = focus;
  for (host::ControlInfo& control : info.controls) DescribeControl(control);
  return info;
}

// The control, if it is there, shown and enabled, as its dialog is.
HWND UsableControl(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control) ? control
                                                                                    : nullptr;
}

}  // namespace

namespace host {

std::vector<DialogInfo> Dialogs() {
  std::vector<HWND> handles;
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    for (HWND top : desktop.TopLevel())
      if (auto window = desktop.Find(top); window && IsDialogWindow(*window))
        handles.push_back(top);
  }
  std::vector<DialogInfo> dialogs;
  for (HWND handle : handles)
    if (std::optional<DialogInfo> info = Describe(handle)) dialogs.push_back(std::move(*info));
  return dialogs;
}

std::optional<DialogInfo> DescribeDialog(HWND dialog) { return Describe(dialog); }

HWND ActiveDialog(DWORD threadId) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  for (HWND top : desktop.TopLevel()) {
    auto window = desktop.Find(top);
    if (window && IsDialogWindow(*window) && window->threadId == threadId &&
        window->life == Window::Life::Alive && window->IsVisibleItself() &&
        window->IsEnabledItself())
      return top;
  }
  return nullptr;
}

bool ClickControl(HWND dialog, int id) {
  HWND control = UsableControl(dialog, id);
  if (control == nullptr || !IsWindowEnabled(dialog)) return false;
  RECT client{};
  GetClientRect(control, &client);
  return Click(control, client.right / 2, client.bottom / 2);
}

bool ChooseComboItem(HWND dialog, int id, int index) {
  HWND control = UsableControl(dialog, id);
  WCHAR name[16] = {};
  if (control == nullptr || !IsWindowEnabled(dialog) || GetClassNameW(control, name, 16) == 0 ||
      std::u16string(name) != u"ComboBox")
    return false;
  return PostMessageW(control, platform::UserChoiceMessage(), static_cast<WPARAM>(index), 0) != 0;
}

bool PressDialogKey(HWND dialog, UINT vk) {
  if (!IsWindowVisible(dialog) || !IsWindowEnabled(dialog)) return false;
  if (!PostMessageW(dialog, WM_KEYDOWN, vk, 1)) return false;
  // The key may have ended the dialog before it comes up again.
  PostMessageW(dialog, WM_KEYUP, vk, 0xC0000001);
  return true;
}

bool ClickCloseBox(HWND window) {
  if (!IsWindowVisible(window) || !IsWindowEnabled(window) ||
      !(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU))
    return false;
  return PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) != 0;
}

bool ResizeWindow(HWND window, int width, int height) {
  if (!IsWindowVisible(window) || !(GetWindowLongPtrW(window, GWL_STYLE) & WS_THICKFRAME))
    return false;
  return PostMessageW(window, platform::UserResizeMessage(), static_cast<WPARAM>(width),
                      static_cast<LPARAM>(height)) != 0;
}

std::optional<Picture> ControlPicture(HWND control) { return platform::StaticPictureOf(control); }

}  // namespace host
