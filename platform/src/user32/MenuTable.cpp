#include "user32/MenuTable.h"

#include "user32/UserHandles.h"

namespace platform {
namespace {

uintptr_t Key(HMENU handle) { return reinterpret_cast<uintptr_t>(handle); }

// Deeper than any template may nest (see MenuTemplate), so a menu made a
// popup of itself cannot loop the search forever.
constexpr int kMaxDepth = 64;

}  // namespace

MenuTable& MenuTable::Instance() {
  static MenuTable* table = new MenuTable;
  return *table;
}

Menu& MenuTable::Create() {
  auto menu = std::make_unique<Menu>();
  menu->handle = NewUserHandle<HMENU>();
  Menu& made = *menu;
  menus_.emplace(Key(made.handle), std::move(menu));
  return made;
}

Menu* MenuTable::Find(HMENU handle) {
  auto found = menus_.find(Key(handle));
  return found == menus_.end() ? nullptr : found->second.get();
}

bool MenuTable::Destroy(HMENU handle) {
  auto found = menus_.find(Key(handle));
  if (found == menus_.end()) return false;
  std::unique_ptr<Menu> menu = std::move(found->second);
  menus_.erase(found);
  for (const MenuItem& item : menu->items)
    if (item.submenu != nullptr) Destroy(item.submenu);
  return true;
}

MenuItem* MenuTable::FindCommand(Menu& menu, UINT id, Menu** owner, int depth) {
  if (depth > kMaxDepth) return nullptr;
  for (MenuItem& item : menu.items) {
    if (item.submenu == nullptr && !(item.type & MFT_SEPARATOR) && item.id == id) {
      if (owner != nullptr) *owner = &menu;
      return &item;
    }
    if (item.submenu != nullptr)
      if (Menu* sub = Find(item.submenu))
        if (MenuItem* found = FindCommand(*sub, id, owner, depth + 1)) return found;
  }
  return nullptr;
}

MenuItem* MenuTable::Item(HMENU handle, UINT item, UINT flags, Menu** owner) {
  Menu* menu = Find(handle);
  if (menu == nullptr) return nullptr;
  if (flags & MF_BYPOSITION) {
    if (item >= menu->items.size()) return nullptr;
    if (owner != nullptr) *owner = menu;
    return &menu->items[item];
  }
  return FindCommand(*menu, item, owner, 0);
}

std::vector<HMENU> MenuTable::Live() const {
  std::vector<HMENU> live;
  for (const auto& [key, menu] : menus_) live.push_back(menu->handle);
  return live;
}

}  // namespace platform
