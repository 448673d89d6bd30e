#pragma once

#include <string>
#include <vector>

// The script of a lutem-host session: characters typed, and items in
// braces ("ami{Enter}{Menu Avro Phonetic}"). White space outside braces only
// separates ({Space} types a space). A step is one character or one item.
struct ScriptStep {
  enum class Kind {
    Type,       // a character outside braces: its key on the US keyboard
    Chord,      // keys pressed together: {Enter}, {Ctrl+Space}, {Shift}, {Numpad3}
    Menu,       // {Menu TEXT}: click the language-bar button, choose TEXT
    Focus,      // {Focus}: a new document takes the focus; {Focus N}: document N
    FocusNone,  // {Focus none}: no document has the focus
    Click,      // {Click N}: a click on row N of the candidate page shown
    Wheel,      // {Wheel N}: N notches of the wheel over the candidate window
    Caret,      // {Caret N}: the application puts the caret at UTF-16 offset N
    Terminate,  // {Terminate}: the application ends the composition
    Dpi,        // {Dpi N}: the monitor's scale becomes N DPI
  };
  Kind kind;
  std::string item;      // as written, braces included
  std::string chord;     // Chord: the keys, as the host's keyboard names them
  std::string menuItem;  // Menu: the item's text; empty: dismiss the menu
  std::u16string text;   // Type: the character (one or two UTF-16 units)
  int number = 0;        // Click, Wheel, Caret, Dpi; Focus: N, 0 for a new document
};

// The steps of script in order; false with a message naming the first item
// that is not one (an unknown or unclosed item, a bad number).
bool ParseScript(const std::string& script, std::vector<ScriptStep>* steps, std::string* error);
