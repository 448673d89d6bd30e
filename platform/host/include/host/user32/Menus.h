// Playing the user of shortcut menus: what the next TrackPopupMenuEx
// answers, what each menu showed, and which menus were never destroyed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Platform.h"

namespace host {

// Choices are taken in order, one per menu shown; a menu with no choice
// left is dismissed.
void ChooseNextMenuCommand(UINT id);
// The item whose text is this, as written in the menu or as shown (one
// '&' of each mnemonic dropped), searched in the popups too.
void ChooseNextMenuItem(std::u16string_view text);
void DismissNextMenu();
void ClearMenuChoices();

struct MenuItemView {
  UINT id = 0;  // 0 for popups and separators
  std::u16string text;
  bool separator = false;
  bool popup = false;
  bool checked = false;
  bool grayed = false;
  std::vector<MenuItemView> submenu;
};

struct PopupRecord {
  HMENU menu = nullptr;
  UINT flags = 0;
  int x = 0;
  int y = 0;
  HWND owner = nullptr;
  std::vector<MenuItemView> items;  // as they stood when the menu was shown
  UINT chosen = 0;                  // 0 when dismissed
  // False when the choice named no item that can be chosen (a missing,
  // grayed, popup or separator item); the menu was then dismissed.
  bool choiceFound = true;
};

std::vector<PopupRecord> PopupMenusShown();
void ClearPopupMenusShown();
// Every menu (popups included) loaded and not yet destroyed.
std::vector<HMENU> LiveMenus();

}  // namespace host
