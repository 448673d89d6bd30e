#include "SettingsScript.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string Trim(const std::string& text) {
  size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string::npos) return std::string();
  size_t end = text.find_last_not_of(" \t\r\n");
  return text.substr(start, end - start + 1);
}

bool Number(const std::string& text, int* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  long parsed = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || parsed < -100000 || parsed > 100000) return false;
  *value = static_cast<int>(parsed);
  return true;
}

bool ParseAction(const std::string& inside, SettingsAction* action, std::string* error) {
  std::string body = Trim(inside);
  size_t blank = body.find_first_of(" \t");
  std::string verb = Lower(body.substr(0, blank));
  std::string rest = blank == std::string::npos ? std::string() : Trim(body.substr(blank));
  action->text = "{" + body + "}";
  action->target = rest;
  using Kind = SettingsAction::Kind;
  if (verb == "click" || verb == "check") {
    action->kind = Kind::Click;
    if (rest.empty()) *error = action->text + " names no control";
    return !rest.empty();
  }
  if (verb == "theme") {
    action->kind = Kind::Theme;
    if (rest.empty()) *error = action->text + " names no theme";
    return !rest.empty();
  }
  if (verb == "select" || verb == "resize") {
    action->kind = verb == "select" ? Kind::Select : Kind::Resize;
    size_t space = rest.find_first_of(" \t");
    if (space == std::string::npos || !Number(rest.substr(0, space), &action->first) ||
        !Number(Trim(rest.substr(space)), &action->second)) {
      *error = action->text + " needs two numbers";
      return false;
    }
    return true;
  }
  if (verb == "start") {
    action->kind = Kind::Start;
    return true;
  }
  const struct {
    const char* name;
    Kind kind;
  } kPlain[] = {{"close", Kind::Close},
                {"escape", Kind::Escape},
                {"esc", Kind::Escape},
                {"enter", Kind::Enter}};
  for (const auto& plain : kPlain) {
    if (verb == plain.name && rest.empty()) {
      action->kind = plain.kind;
      return true;
    }
  }
  *error = "unknown action " + action->text;
  return false;
}

}  // namespace

bool ParseSettingsScript(const std::string& script, std::vector<SettingsAction>* actions,
                         std::string* error) {
  size_t at = 0;
  while (true) {
    size_t open = script.find('{', at);
    if (open == std::string::npos) {
      if (!Trim(script.substr(at)).empty()) {
        *error = "text outside braces: " + Trim(script.substr(at));
        return false;
      }
      return true;
    }
    if (!Trim(script.substr(at, open - at)).empty()) {
      *error = "text outside braces: " + Trim(script.substr(at, open - at));
      return false;
    }
    size_t close = script.find('}', open);
    if (close == std::string::npos) {
      *error = "no closing brace after " + script.substr(open);
      return false;
    }
    SettingsAction action;
    if (!ParseAction(script.substr(open + 1, close - open - 1), &action, error)) return false;
    actions->push_back(action);
    at = close + 1;
  }
}
