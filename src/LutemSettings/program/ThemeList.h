#pragma once

#include <vector>

#include "Platform.h"
#include "themes/ThemeRecord.h"

// The themes the settings dialog offers, in the combo box's order (a combo
// index is an index here); built when the dialog starts, kept until the
// program ends.
std::vector<ThemeRecord>& ThemeList();

// Empties the list, reads the theme file at "rootDir" + "\UI\themes.dov"
// and adds the names of its themes to the combo box. What cannot be read
// is logged and shown in a message box: no "rootDir", a file that cannot be
// opened, text that is not JSON (each leaves the list empty), a file that
// holds no object of themes, and themes that break the rules (left out).
void LoadThemes(HWND comboBox);
