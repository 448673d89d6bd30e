#pragma once

#include <string>
#include <vector>

// What a user does with the settings program, step by step, as
// `lutem-host settings` reads it: actions in braces, such as
// "{Check 1003}{Theme Lutem Dark}{Close}".
struct SettingsAction {
  enum class Kind {
    Click,   // {Click ID|TEXT}, {Check ID}: a click on the control
    Theme,   // {Theme NAME}: the theme of that name from the list
    Select,  // {Select ID INDEX}: that item of a combo box
    Close,   // {Close}: the close box of the dialog
    Escape,  // {Escape}, {Enter}: the key
    Enter,
    Resize,  // {Resize WIDTH HEIGHT}: the dialog's new size in pixels
    Start,   // {Start [COMMAND LINE]}: a second start of the program
  };
  Kind kind = Kind::Close;
  std::string text;    // the action as written
  std::string target;  // a control's id or text; a theme's name; a command line
  int first = 0;
  int second = 0;
};

// The actions of a script; false, with the reason, for one that cannot be read.
bool ParseSettingsScript(const std::string& script, std::vector<SettingsAction>* actions,
                         std::string* error);
