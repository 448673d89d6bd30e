// Menus (platform/user32/WinMenu.h) and the host's menu controls
// (host/user32/Menus.h).
#include <algorithm>

#include "common/FailureSwitch.h"
#include "host/user32/Menus.h"
#include "user32/MenuTable.h"
#include "user32/MenuTemplate.h"
#include "user32/MessageDelivery.h"
#include "user32/PopupMenuScript.h"

using platform::Menu;
using platform::MenuItem;
using platform::MenuTable;

namespace {

constexpr UINT kNoItem = static_cast<UINT>(-1);
constexpr int kMaxDepth = 64;

bool IsGrayed(const MenuItem& item) { return (item.state & MFS_GRAYED) != 0; }

// The text as shown: the '&' of each mnemonic dropped, "&&" as one '&'.
std::u16string Shown(const std::u16string& text) {
  std::u16string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    shown.push_back(text[i]);
  }
  return shown;
}

// Needs the table's lock.
std::vector<host::MenuItemView> View(MenuTable& table, HMENU handle, int depth) {
  std::vector<host::MenuItemView> views;
  Menu* menu = table.Find(handle);
  if (menu == nullptr || depth > kMaxDepth) return views;
  for (const MenuItem& item : menu->items) {
    host::MenuItemView view;
    view.text = item.text;
    view.separator = (item.type & MFT_SEPARATOR) != 0;
    view.popup = item.submenu != nullptr;
    view.id = view.popup || view.separator ? 0 : item.id;
    view.checked = (item.state & MFS_CHECKED) != 0;
    view.grayed = IsGrayed(item);
    if (view.popup) view.submenu = View(table, item.submenu, depth + 1);
    views.push_back(std::move(view));
  }
  return views;
}

// The command a choice picks from what the menu showed; 0 when it picks
// nothing that can be chosen.
UINT Resolve(const std::vector<host::MenuItemView>& items, const platform::MenuChoice& choice) {
  for (const host::MenuItemView& item : items) {
    if (item.popup) {
      if (UINT found = Resolve(item.submenu, choice)) return found;
      continue;
    }
    if (item.separator || item.grayed) continue;
    bool match = choice.kind == platform::MenuChoice::Kind::Command
                     ? item.id == choice.id
                     : item.text == choice.text || Shown(item.text) == choice.text;
    if (match) return item.id;
  }
  return 0;
}

}  // namespace

HMENU LoadMenuIndirectW(const void* menuTemplate) {
  if (menuTemplate == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // Windows reads the template up to its last item whatever its length.
  return platform::LoadMenuTemplate(menuTemplate, static_cast<size_t>(-1) / 2);
}

HMENU LoadMenuW(HINSTANCE instance, LPCWSTR menuName) {
  if (platform::ShouldFail("LoadMenuW")) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  HRSRC found = FindResourceW(instance, menuName, RT_MENU);
  HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return nullptr;  // the last error says why
  return platform::LoadMenuTemplate(bytes, SizeofResource(instance, found));
}

BOOL DestroyMenu(HMENU menu) {
  MenuTable& table = MenuTable::Instance();
  auto hold = table.Hold();
  if (!table.Destroy(menu)) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return FALSE;
  }
  return TRUE;
}

BOOL IsMenu(HMENU menu) {
  MenuTable& table = MenuTable::Instance();
  auto hold = table.Hold();
  return table.Find(menu) != nullptr;
}

HMENU GetSubMenu(HMENU menu, int position) {
  MenuTable& table = MenuTable::Instance();
  auto hold = table.Hold();
  MenuItem* item = position < 0 ? nullptr : table.Item(menu, static_cast<UINT>(position), MF_BYPOSITION);
  return item != nullptr ? item->submenu : nullptr;
}

int GetMenuItemCount(HMENU menu) {
  MenuTable& table = MenuTable::Instance();
  auto hold = table.Hold();
  Menu* found = table.Find(menu);
  if (found == nullptr) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return -1;
  }
  return static_cast<int>(found->items.size());
}

UINT GetMenuItemID(HMENU menu, int position) {
  MenuTable& table = MenuTable::Instance();
  auto hold = table.Hold();
  MenuItem* item = position < 0 ? nullptr : table.Item(menu, static_cast<UINT>(position), MF_BYPOSITION);
  if (item == nullptr || item->submenu != nullptr) return kNoItem;
  return item->id;
}

int GetMenuStringW(HMENU menu, UINT item, LPWSTR text, int maxCount, UINT flags) {
  MenuTable& table = MenuTable::Instance();
  auto hold = table.Hold();
  MenuItem* found = table.Item(menu, item, flags);
  if (found == nullptr) return 0;
  if (text == nullptr) return static_cast<int>(found->text.size());
  if (maxCount <= 0) return 0;
  size_t length = std::min(found->text.size(), static_cast<size_t>(maxCount - 1));
  std::copy_n(found->text.data(), length, text);
  text[length] = 0;
  return static_cast<int>(length);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  MenuTable& table = MenuTable::Instance();
  auto hold = table.Hold();
  MenuItem* found = table.Item(menu, item, flags);
  if (found == nullptr) return kNoItem;
  UINT state = found->state | found->type;
  if (found->submenu != nullptr) {
    Menu* sub = table.Find(found->submenu);
    UINT count = sub != nullptr ? static_cast<UINT>(sub->items.size()) : 0;
    state = (count << 8) | (state & 0xFF) | MF_POPUP;
  }
  return state;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
  MenuTable& table = MenuTable::Instance();
  auto hold = table.Hold();
  MenuItem* found = table.Item(menu, item, check & MF_BYPOSITION);
  if (found == nullptr) return static_cast<DWORD>(-1);
  DWORD previous = found->state & MF_CHECKED;
  if (check & MF_CHECKED)
    found->state |= MF_CHECKED;
  else
    found->state &= ~static_cast<UINT>(MF_CHECKED);
  return previous;
}

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS) {
  if (!IsMenu(menu)) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return FALSE;
  }
  if (!IsWindow(owner)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (platform::ShouldFail("TrackPopupMenuEx")) return FALSE;
  bool notify = !(flags & TPM_NONOTIFY);
  if (notify) {
    platform::Deliver(owner, WM_ENTERMENULOOP, TRUE, 0);
    platform::Deliver(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, FALSE));
  }
  host::PopupRecord record;
  record.menu = menu;
  record.flags = flags;
  record.x = x;
  record.y = y;
  record.owner = owner;
  {
    MenuTable& table = MenuTable::Instance();
    auto hold = table.Hold();
    record.items = View(table, menu, 0);
  }
  platform::MenuChoice choice = platform::PopupMenuScript::Instance().Next();
  if (choice.kind != platform::MenuChoice::Kind::Dismiss) {
    record.chosen = Resolve(record.items, choice);
    record.choiceFound = record.chosen != 0;
  }
  platform::PopupMenuScript::Instance().Record(record);
  if (notify) platform::Deliver(owner, WM_EXITMENULOOP, TRUE, 0);
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(record.chosen);
  if (record.chosen != 0 && notify) PostMessageW(owner, WM_COMMAND, MAKEWPARAM(record.chosen, 0), 0);
  return record.chosen != 0 ? TRUE : FALSE;
}

namespace host {

void ChooseNextMenuCommand(UINT id) {
  platform::MenuChoice choice;
  choice.kind = platform::MenuChoice::Kind::Command;
  choice.id = id;
  platform::PopupMenuScript::Instance().Queue(choice);
}

void ChooseNextMenuItem(std::u16string_view text) {
  platform::MenuChoice choice;
  choice.kind = platform::MenuChoice::Kind::Text;
  choice.text = std::u16string(text);
  platform::PopupMenuScript::Instance().Queue(choice);
}

void DismissNextMenu() { platform::PopupMenuScript::Instance().Queue(platform::MenuChoice{}); }

void ClearMenuChoices() { platform::PopupMenuScript::Instance().ClearChoices(); }

std::vector<PopupRecord> PopupMenusShown() { return platform::PopupMenuScript::Instance().Records(); }

void ClearPopupMenusShown() { platform::PopupMenuScript::Instance().ClearRecords(); }

std::vector<HMENU> LiveMenus() {
  MenuTable& table = MenuTable::Instance();
  auto hold = table.Hold();
  return table.Live();
}

}  // namespace host
