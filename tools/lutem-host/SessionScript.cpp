#include "SessionScript.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "conversion/WideToUtf8.h"
#include "host/user32/Keyboard.h"

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// "NAME N" with N a whole number in [low, high].
bool NumberItem(const std::string& lower, const std::string& name, int low, int high, int* value) {
  if (lower.rfind(name + " ", 0) != 0) return false;
  std::string digits = lower.substr(name.size() + 1);
  size_t at = digits[0] == '-' ? 1 : 0;
  if (digits.size() <= at || digits.size() > at + 6 ||
      digits.find_first_not_of("0123456789", at) != std::string::npos)
    return false;
  *value = std::stoi(digits);
  return *value >= low && *value <= high;
}

// How an item with a number is written, for the message about a bad one.
const char* NumberForm(const std::string& lower) {
  if (lower.rfind("click", 0) == 0) return "{Click N} takes a row from 1 to 9";
  if (lower.rfind("wheel", 0) == 0) return "{Wheel N} takes notches from -99 to 99, not 0";
  if (lower.rfind("caret", 0) == 0) return "{Caret N} takes an offset from 0";
  if (lower.rfind("dpi", 0) == 0) return "{Dpi N} takes a DPI from 48 to 480";
  if (lower.rfind("focus", 0) == 0) return "{Focus N} takes a document from 1";
  return nullptr;
}

bool ParseItem(const std::string& inside, ScriptStep* step, std::string* error) {
  const std::string lower = Lower(inside);
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
  if (lower == "terminate") {
    step->kind = ScriptStep::Kind::Terminate;
    return true;
  }
  struct Numbered {
    const char* name;
    ScriptStep::Kind kind;
    int low;
    int high;
  };
  for (const Numbered& n : {Numbered{"click", ScriptStep::Kind::Click, 1, 9},
                            Numbered{"wheel", ScriptStep::Kind::Wheel, -99, 99},
                            Numbered{"caret", ScriptStep::Kind::Caret, 0, INT_MAX},
                            Numbered{"dpi", ScriptStep::Kind::Dpi, 48, 480},
                            Numbered{"focus", ScriptStep::Kind::Focus, 1, INT_MAX}}) {
    if (lower != n.name && lower.rfind(std::string(n.name) + " ", 0) != 0) continue;
    if (!NumberItem(lower, n.name, n.low, n.high, &step->number) ||
        (n.kind == ScriptStep::Kind::Wheel && step->number == 0)) {
      *error = NumberForm(lower);
      return false;
    }
    step->kind = n.kind;
    return true;
  }
  if (host::IsKnownChord(inside)) {
    step->kind = ScriptStep::Kind::Chord;
    step->chord = inside;
    return true;
  }
  *error = "unknown item {" + inside + "}";
  return false;
}

// The length of the UTF-8 sequence that begins with lead; 0 for a byte that
// begins none.
size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

}  // namespace

bool ParseScript(const std::string& script, std::vector<ScriptStep>* steps, std::string* error) {
  steps->clear();
  size_t at = 0;
  while (at < script.size()) {
    const unsigned char c = static_cast<unsigned char>(script[at]);
    if (std::isspace(c)) {
      ++at;
      continue;
    }
    if (c != '{') {
      const size_t length = SequenceLength(c);
      const std::string character = script.substr(at, length == 0 ? 1 : length);
      std::u16string units = Utf8ToWide(character);
      if (length == 0 || character.size() != length || units.empty() ||
          units.find(u'\uFFFD') != std::u16string::npos) {
        *error = "text that is not UTF-8 at byte " + std::to_string(at);
        return false;
      }
      ScriptStep step{};
      step.kind = ScriptStep::Kind::Type;
      step.item = character;
      step.text = units;
      steps->push_back(step);
      at += length;
      continue;
    }
    size_t close = script.find('}', at);
    if (close == std::string::npos) {
      *error = "unclosed item \"" + script.substr(at) + "\"";
      return false;
    }
    ScriptStep step{};
    step.item = script.substr(at, close + 1 - at);
    if (!ParseItem(step.item.substr(1, step.item.size() - 2), &step, error)) return false;
    steps->push_back(step);
    at = close + 1;
  }
  return true;
}
