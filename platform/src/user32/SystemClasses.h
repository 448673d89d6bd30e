// The system's global window classes: the dialog class "#32770" and the
// standard controls "Button", "Static" and "ComboBox" (WinDialog.h,
// WinControls.h). They are registered with the class table itself, so
// they exist before any program asks for them, as on Windows.
#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace platform {

class ClassTable;

void RegisterSystemClasses(ClassTable& table);

LRESULT CALLBACK ButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Messages of the stand-in's own that carry a user's action to the thread
// of the window it acts on (host/user32/Dialogs.h): the choice of a list
// item (wParam its index) and a new window size from dragging the sizing
// border (wParam width, lParam height).
UINT UserChoiceMessage();
UINT UserResizeMessage();

// What the controls hold, read for the host without messages: a combo
// box's items and selection (CB_ERR for none), a button's check, an icon
// static's icon.
std::vector<std::u16string> ComboBoxItemsOf(HWND window, int* selection);
int ButtonCheckOf(HWND window);
HICON StaticIconOf(HWND window);

// WM_COMMAND with a control's notification, sent to its parent.
void NotifyParent(HWND control, WORD code);

}  // namespace platform
