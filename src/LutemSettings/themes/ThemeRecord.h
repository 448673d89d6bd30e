#pragma once

#include <string>

#include "common/ThemeColors.h"

// One theme of the settings program's list: its id (its key in the theme
// file, and what "ThemeID" stores), the name the list shows, and its six
// colours, which start as the defaults before the file's are applied.
struct ThemeRecord {
  std::u16string id;
  std::u16string name;
  ThemeColors colors;
};
