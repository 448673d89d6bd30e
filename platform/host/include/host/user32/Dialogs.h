// Dialog boxes as a user sees and works them: their controls' states, and
// the user's actions on them. An action is input to the thread that owns
// the dialog: it is posted there (a click as the mouse's messages, a key as
// WM_KEYDOWN and WM_KEYUP) and handled when that thread next takes its
// messages, in a modal loop or its own; host::WaitForInputIdle
// (host/kernel32/Programs.h) waits until it has been.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Platform.h"
#include "host/gdi32/Picture.h"

namespace host {

struct ControlInfo {
  HWND window = nullptr;
  int id = 0;
  std::u16string className;
  std::u16string text;  // the window text (a drop-down list: its selected item)
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT rect{};  // in the dialog's client coordinates
  bool visible = false;
  bool enabled = true;
  int check = 0;                      // buttons: BM_GETCHECK
  std::vector<std::u16string> items;  // combo boxes: the list
  int selection = -1;                 // combo boxes: CB_GETCURSEL
  HICON icon = nullptr;               // icon statics: STM_GETICON
};

struct DialogInfo {
  HWND window = nullptr;
  std::u16string title;
  // The template DialogBoxParamW made it from ("#129" for a number); empty
  // for a window of the dialog class that no modal loop runs.
  std::u16string templateName;
  HWND owner = nullptr;
  DWORD threadId = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT rect{};        // screen coordinates
  RECT clientRect{};  // screen coordinates
  bool visible = false;
  bool enabled = true;
  HWND focus = nullptr;  // its control that has its thread's focus, if any
  std::vector<ControlInfo> controls;  // in creation order
};

// The live windows of the dialog class "#32770", the top of the z-order first.
std::vector<DialogInfo> Dialogs();
std::optional<DialogInfo> DescribeDialog(HWND dialog);
// The dialog a user of the thread works: its top-most visible and enabled
// dialog (an owner is disabled while its modal dialog is open); null when
// there is none.
HWND ActiveDialog(DWORD threadId);

// A left click in the middle of the control (host/user32/Mouse.h). False
// when there is no such control or it cannot take the click (hidden,
// disabled, its dialog disabled).
bool ClickControl(HWND dialog, int id);
// The user drops the combo box's list down and picks the item at index
// (an index outside the list closes it without a choice). False when
// there is no such combo box or it is hidden or disabled.
bool ChooseComboItem(HWND dialog, int id, int index);
// A key (VK_ESCAPE, VK_RETURN...) pressed while the dialog is active.
bool PressDialogKey(HWND dialog, UINT vk);
// A click on the close box of the title bar (WM_SYSCOMMAND SC_CLOSE);
// false for a window without one (no WS_SYSMENU).
bool ClickCloseBox(HWND window);
// The user drags the sizing border until the window (not its client area)
// has this size; false for a window without a sizing border.
bool ResizeWindow(HWND window, int width, int height);

// What an owner-drawn static shows; nothing for another window or before
// its first paint.
std::optional<Picture> ControlPicture(HWND control);

}  // namespace host
