// The desktop's atom table for window-class names and registered messages.
// Windows keeps both in one table: RegisterClassW and RegisterWindowMessageW
// hand out values from 0xC000 up, the same value for the same name whatever
// its case, to every caller.
#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Platform.h"

namespace platform {

class AtomTable {
 public:
  static AtomTable& Instance();

  // The name's atom, added when new; 0 for an empty name or a full table.
  ATOM Add(std::u16string_view name);
  // 0 when the name has no atom.
  ATOM Find(std::u16string_view name);
  // The name as first added; empty for an atom that is not in the table.
  std::u16string NameOf(ATOM atom);

 private:
  static constexpr unsigned kFirst = 0xC000;
  static constexpr unsigned kLast = 0xFFFF;
  std::mutex lock_;
  std::unordered_map<std::u16string, ATOM> byFoldedName_;
  std::vector<std::u16string> names_;  // names_[atom - kFirst]
};

}  // namespace platform
