#pragma once

#include <string>
#include <vector>

#include "themes/ThemeRecord.h"

// A theme the settings program leaves out, and why.
struct ThemeProblem {
  std::u16string id;
  std::string reason;  // English, for the debug log
};

struct ThemeFileContents {
  // In the order of the parsed object: ascending byte order of the ids.
  std::vector<ThemeRecord> themes;
  // The parser's message when the text is not JSON (an empty text
  // included); nothing is read then.
  std::string syntaxError;
  // The file's value is neither an object of themes nor null.
  bool notAnObject = false;
  // Themes that break the settings program's rules; the others are read.
  std::vector<ThemeProblem> problems;
};

// Reads the theme file's text by the settings program's rules: the first
// JSON value of the text (what follows it is not read); null holds no
// themes; an object holds one theme per member, each an object with a
// string "theme_name" and an object "colors" holding the five colours
// windowBackground, border, text, highlightBackground and highlightText
// (ParseThemeListColor's rule), and optionally selectionBar, which is read only when
// it is an array of exactly three elements and is otherwise the theme's
// highlightBackground. A theme that breaks a rule is left out and named;
// any other value (an array, a string, a number, a boolean) holds no
// themes, since the input method reads themes only from an object.
class ThemeFileReader {
 public:
  static ThemeFileContents Read(const std::string& text);
};
