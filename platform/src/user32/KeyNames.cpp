#include "user32/KeyNames.h"

#include <cctype>

#include "user32/UsKeyboardLayout.h"

namespace platform {
namespace {

struct KeyName {
  const char* name;
  UINT vk;
};

const KeyName kNames[] = {
    {"ctrl", VK_CONTROL},     {"control", VK_CONTROL},   {"lctrl", VK_LCONTROL},
    {"rctrl", VK_RCONTROL},   {"shift", VK_SHIFT},       {"lshift", VK_LSHIFT},
    {"rshift", VK_RSHIFT},    {"alt", VK_MENU},          {"lalt", VK_LMENU},
    {"ralt", VK_RMENU},       {"space", VK_SPACE},       {"enter", VK_RETURN},
    {"return", VK_RETURN},    {"tab", VK_TAB},           {"backspace", VK_BACK},
    {"escape", VK_ESCAPE},    {"esc", VK_ESCAPE},        {"left", VK_LEFT},
    {"right", VK_RIGHT},      {"up", VK_UP},             {"down", VK_DOWN},
    {"pageup", VK_PRIOR},     {"pagedown", VK_NEXT},     {"home", VK_HOME},
    {"end", VK_END},          {"insert", VK_INSERT},     {"delete", VK_DELETE},
    {"capslock", VK_CAPITAL},
};

std::string Lower(const std::string& text) {
  std::string lower;
  for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The keys of one name: one key, or Shift and a key for a character that
// needs it; empty when unknown.
std::vector<UINT> KeysOf(const std::string& name) {
  std::string lower = Lower(name);
  for (const KeyName& k : kNames) {
    if (lower == k.name) return {k.vk};
  }
  if (lower.size() >= 2 && lower[0] == 'f' && std::isdigit(static_cast<unsigned char>(lower[1]))) {
    int n = std::atoi(lower.c_str() + 1);
    if (n >= 1 && n <= 24 && lower == "f" + std::to_string(n)) return {static_cast<UINT>(VK_F1 + n - 1)};
  }
  if (lower.size() == 7 && lower.compare(0, 6, "numpad") == 0 &&
      std::isdigit(static_cast<unsigned char>(lower[6]))) {
    return {static_cast<UINT>(VK_NUMPAD0 + (lower[6] - '0'))};
  }
  if (name.size() == 1) {
    UINT vk;
    bool shift;
    // A letter names its key whatever its case; other characters as typed.
    char c = std::isalpha(static_cast<unsigned char>(name[0])) ? lower[0] : name[0];
    if (UsKeyboardLayout::KeyFor(static_cast<char16_t>(c), &vk, &shift)) {
      if (shift) return {VK_SHIFT, vk};
      return {vk};
    }
  }
  return {};
}

}  // namespace

std::vector<UINT> ParseChord(const std::string& chord) {
  std::vector<UINT> keys;
  size_t start = 0;
  while (start <= chord.size()) {
    size_t plus = chord.find('+', start);
    // "Ctrl++" names the plus key: an empty part before a final '+'.
    if (plus == start && plus + 1 == chord.size()) plus = std::string::npos;
    std::string part = chord.substr(start, plus == std::string::npos ? std::string::npos
                                                                       : plus - start);
    std::vector<UINT> partKeys = KeysOf(part);
    if (partKeys.empty()) return {};
    keys.insert(keys.end(), partKeys.begin(), partKeys.end());
    if (plus == std::string::npos) break;
    start = plus + 1;
  }
  return keys;
}

}  // namespace platform
