// A menu and its items, as the menu table keeps them. Guarded by the table's
// lock.
#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace platform {

struct MenuItem {
  UINT type = MFT_STRING;  // MFT_SEPARATOR, MF_MENUBREAK, MF_OWNERDRAW...
  UINT state = 0;          // MFS_CHECKED, MFS_GRAYED, MFS_DEFAULT
  UINT id = 0;
  std::u16string text;
  HMENU submenu = nullptr;
};

struct Menu {
  HMENU handle = nullptr;
  std::vector<MenuItem> items;
};

}  // namespace platform
