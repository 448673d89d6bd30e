#include "SessionScript.h"

#include <algorithm>
#include <cctype>

namespace {

// The key chords a script may press, as written in it and as the host's
// keyboard presses them.
const char* const kChords[] = {"Ctrl+Space", "Ctrl+Shift+C"};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool ParseItem(const std::string& inside, ScriptStep* step) {
  const std::string lower = Lower(inside);
  for (const char* chord : kChords) {
    if (lower == Lower(chord)) {
      step->kind = ScriptStep::Kind::Chord;
      step->chord = chord;
      return true;
    }
  }
  if (lower == "menu") {
    step->kind = ScriptStep::Kind::Menu;
    return true;
  }
  if (lower.rfind("menu ", 0) == 0 && inside.size() > 5) {
    step->kind = ScriptStep::Kind::Menu;
    step->menuItem = inside.substr(5);
    return true;
  }
  if (lower == "focus") {
    step->kind = ScriptStep::Kind::Focus;
    return true;
  }
  if (lower == "focus none") {
    step->kind = ScriptStep::Kind::FocusNone;
    return true;
  }
  return false;
}

}  // namespace

bool ParseScript(const std::string& script, std::vector<ScriptStep>* steps, std::string* error) {
  steps->clear();
  size_t at = 0;
  while (at < script.size()) {
    if (std::isspace(static_cast<unsigned char>(script[at]))) {
      ++at;
      continue;
    }
    if (script[at] != '{') {
      size_t end = script.find_first_of(" \t\r\n{", at);
      *error = "unexpected text \"" + script.substr(at, end - at) + "\" (items are written in braces)";
      return false;
    }
    size_t close = script.find('}', at);
    if (close == std::string::npos) {
      *error = "unclosed item \"" + script.substr(at) + "\"";
      return false;
    }
    ScriptStep step{};
    step.item = script.substr(at, close + 1 - at);
    if (!ParseItem(step.item.substr(1, step.item.size() - 2), &step)) {
      *error = "unknown item " + step.item;
      return false;
    }
    steps->push_back(step);
    at = close + 1;
  }
  return true;
}
