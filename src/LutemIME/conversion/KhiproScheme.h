#pragma once

#include <string>
#include <string_view>

#include "conversion/KhiproTables.h"

// One match of the Khipro state machine. The views point into the text
// that was matched and into the process-wide tables.
struct KhiproMatch {
  std::string_view group;  // empty when nothing matched
  std::string_view key;
  std::string_view value;
};

// "Khipro" (layout 2): walks the keys with a four-state machine and takes,
// at each position, the longest key of the groups the state allows. The
// rules are process-wide: the first object built in the process builds them
// (a concurrent first construction waits for it), later ones find them
// ready. The object itself holds nothing; conversion takes no lock.
class KhiproScheme {
 public:
  KhiproScheme();

  // The tables, complete once any KhiproScheme has been constructed.
  static const KhiproTables& Tables();

  KhiproMatch MatchLongest(int state, std::string_view text, size_t pos) const;
  // The state after a match of group in state; a group the state does not
  // try leaves it unchanged.
  static int NextState(int state, std::string_view group);
  // keys: UTF-8 with A-Z already lowered by the dispatcher.
  std::string Convert(std::string_view keys) const;

 private:
  static void BuildTables();
};
