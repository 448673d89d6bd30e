#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/user32/Menus.h"

// What a session step left: the state of the keyboard, the button and the
// input method's settings after it, the menu it opened and the requests the
// input method sent meanwhile. A field nobody could read stays empty.
struct StepReport {
  std::string step;  // the script item
  bool open = false;
  std::optional<int32_t> layout;
  std::optional<int32_t> encoding;
  std::optional<uint32_t> candidateWindow;
  int icon = 0;  // the button's icon group, 12 or 21; 0 for none
  // The menu as shown when the step opened it, with its check marks.
  std::optional<std::vector<host::MenuItemView>> menu;
  std::vector<std::u16string> pipe;  // requests, as text
};

// One JSON object: "step", "open", "layout", "encoding", "candidateWindow",
// "icon", "menu" (null, or the items: {"text", "checked"}, popups with their
// "items", separators as {"separator": true}), "pipe" (an array of texts).
std::string StepJson(const StepReport& report);
// The same on one line for people: the settings, the checked menu items and
// the requests.
std::string StepLine(const StepReport& report);
