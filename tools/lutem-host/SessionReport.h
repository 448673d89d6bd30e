#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Platform.h"
#include "host/user32/Menus.h"

// A document of the session as its application holds it: its top
// context's text and the composition open there ([start, end) in UTF-16
// units).
struct DocumentReport {
  std::u16string text;
  std::optional<std::pair<LONG, LONG>> composition;
  bool focused = false;
  bool changed = false;  // since the step before
};

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

  // What the application shows: the focused document's text (none without
  // one), the composition's [start, end) in UTF-16 units, the candidate
  // list (every item, the selection, the page starts) while one is open,
  // and the candidate window: whether it is visible and where it is.
  std::optional<std::u16string> document;
  std::optional<std::pair<LONG, LONG>> composition;
  std::optional<std::vector<std::u16string>> candidates;
  std::optional<UINT> selection;
  std::optional<std::vector<UINT>> pages;
  bool visible = false;
  std::optional<RECT> window;
  // The pairs "keys:text" of the SAVE_USER_DICT requests sent.
  std::vector<std::u16string> learned;
  // Every document of the session, in the order made (the first is 1).
  std::vector<DocumentReport> documents;
};

// One JSON object: "step", "open", "layout", "encoding", "candidateWindow",
// "icon", "menu" (null, or the items: {"text", "checked"}, popups with their
// "items", separators as {"separator": true}), "pipe" (an array of texts),
// "document", "composition" ([start, end] or null), "candidates" (an array
// or null), "selection", "pages", "visible", "window" ({"x", "y", "w", "h"}
// or null), "learned" and "documents" (each {"text", "composition"}).
std::string StepJson(const StepReport& report);
// The same on one line for people: the settings, the checked menu items and
// the requests; then, once anything was typed, the document, the
// composition, the candidates (the selected one marked) and the window;
// then each document without the focus that the step changed ("document
// N").
std::string StepLine(const StepReport& report);
