// What the host scripted for the next shortcut menus, and what each menu
// showed (host/user32/Menus.h).
#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "host/user32/Menus.h"

namespace platform {

struct MenuChoice {
  enum class Kind { Command, Text, Dismiss };
  Kind kind = Kind::Dismiss;
  UINT id = 0;
  std::u16string text;
};

class PopupMenuScript {
 public:
  static PopupMenuScript& Instance();

  void Queue(const MenuChoice& choice);
  // The next choice; a dismissal when none is queued.
  MenuChoice Next();
  void ClearChoices();
  void Record(const host::PopupRecord& record);
  std::vector<host::PopupRecord> Records();
  void ClearRecords();

 private:
  std::mutex lock_;
  std::deque<MenuChoice> choices_;
  std::vector<host::PopupRecord> records_;
};

}  // namespace platform
