#pragma once

#include <string>

#include "Platform.h"

// The settings dialog (resource 129): every change of a control is saved at
// once, and a new theme is announced to the input method's candidate
// window. "Close", Escape and the close box only close it.
INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Fills the controls: the theme list, the three check boxes and the theme
// stored in "ThemeID".
void InitSettingsDialog(HWND dialog);
// Writes the value of the one control that changed (a check box's flag, or
// the selected theme's id): the others stay as stored, since the language-bar
// menu may have changed them while the dialog was open.
void SaveSettings(HWND dialog, int control);
// A REG_SZ value under the settings key (SettingsValues.h's rule).
std::u16string ReadRegistryString(const WCHAR* name, const std::u16string& fallback);
