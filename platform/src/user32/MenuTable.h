// Every menu in the process, by handle.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "user32/Menu.h"

namespace platform {

class MenuTable {
 public:
  static MenuTable& Instance();

  std::unique_lock<std::mutex> Hold() { return std::unique_lock<std::mutex>(lock_); }

  // The rest needs Hold().
  Menu& Create();
  Menu* Find(HMENU handle);
  // Removes the menu and its popups; false for an unknown handle.
  bool Destroy(HMENU handle);
  // The item by position, or by command searching the popups; null when
  // there is none. The owning menu is reported too.
  MenuItem* Item(HMENU handle, UINT item, UINT flags, Menu** owner = nullptr);
  std::vector<HMENU> Live() const;

 private:
  MenuItem* FindCommand(Menu& menu, UINT id, Menu** owner, int depth);

  std::mutex lock_;
  std::map<uintptr_t, std::unique_ptr<Menu>> menus_;
};

}  // namespace platform
