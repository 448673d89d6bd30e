#pragma once

#include <string>
#include <vector>

// The script of a lutem-host session: items in braces, any white space
// between them ("{Ctrl+Space} {Menu Avro Phonetic}"). A step is one item.
struct ScriptStep {
  enum class Kind {
    Chord,      // keys pressed together: {Ctrl+Space}, {Ctrl+Shift+C}
    Menu,       // {Menu TEXT}: click the language-bar button, choose TEXT
    Focus,      // {Focus}: a new document takes the focus
    FocusNone,  // {Focus none}: no document has the focus
  };
  Kind kind;
  std::string item;   // as written, braces included
  std::string chord;  // Chord: the keys, as the host's keyboard names them
  std::string menuItem;  // Menu: the item's text; empty: dismiss the menu
};

// The steps of script in order; false with a message naming the first item
// that is not one (text outside braces, an unknown or unclosed item).
bool ParseScript(const std::string& script, std::vector<ScriptStep>* steps, std::string* error);
