// The calling thread's language bar as the host sees it: the items text
// services added, the OnUpdate calls they made, and the calls the bar makes
// on an item when the user looks at or clicks it. Each call names an item by
// its GUID (TF_LANGBARITEMINFO::guidItem) and fails with E_INVALIDARG when
// the bar has no such item.
#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace host {

struct LangBarItem {
  ITfLangBarItem* item;  // no reference
  TF_LANGBARITEMINFO info;
};

struct LangBarUpdate {
  GUID item;
  DWORD flags;  // TF_LBI_ICON, TF_LBI_STATUS...
};

// What an item added to the menu the bar handed to InitMenu.
struct LangBarMenuItem {
  UINT id;
  DWORD flags;
  std::u16string text;
  int depth;  // 0 for the menu itself, 1 inside a submenu...
};

std::vector<LangBarItem> LangBarItems();
std::vector<LangBarUpdate> LangBarUpdates();
void ClearLangBarUpdates();

HRESULT LangBarItemStatus(REFGUID item, DWORD* status);
HRESULT LangBarItemTooltip(REFGUID item, std::u16string* tooltip);
HRESULT LangBarItemText(REFGUID item, std::u16string* text);
// The icon belongs to the caller (DestroyIcon).
HRESULT LangBarItemIcon(REFGUID item, HICON* icon);
// ITfLangBarItemButton::OnClick at point, the item's area a 16-pixel square
// there.
HRESULT LangBarItemClick(REFGUID item, TfLBIClick click, POINT point);
HRESULT LangBarItemInitMenu(REFGUID item, std::vector<LangBarMenuItem>* added);
HRESULT LangBarItemMenuSelect(REFGUID item, UINT id);

}  // namespace host
