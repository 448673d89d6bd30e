#include "user32/UsKeyboardLayout.h"

namespace platform {
namespace {

struct ScanEntry {
  UINT vk;
  WORD scan;
  bool extended;
};

const ScanEntry kScanCodes[] = {
    {VK_ESCAPE, 0x01, false},   {'1', 0x02, false},         {'2', 0x03, false},
    {'3', 0x04, false},         {'4', 0x05, false},         {'5', 0x06, false},
    {'6', 0x07, false},         {'7', 0x08, false},         {'8', 0x09, false},
    {'9', 0x0A, false},         {'0', 0x0B, false},         {VK_OEM_MINUS, 0x0C, false},
    {VK_OEM_PLUS, 0x0D, false}, {VK_BACK, 0x0E, false},     {VK_TAB, 0x0F, false},
    {'Q', 0x10, false},         {'W', 0x11, false},         {'E', 0x12, false},
    {'R', 0x13, false},         {'T', 0x14, false},         {'Y', 0x15, false},
    {'U', 0x16, false},         {'I', 0x17, false},         {'O', 0x18, false},
    {'P', 0x19, false},         {VK_OEM_4, 0x1A, false},    {VK_OEM_6, 0x1B, false},
    {VK_RETURN, 0x1C, false},   {VK_CONTROL, 0x1D, false},  {VK_LCONTROL, 0x1D, false},
    {VK_RCONTROL, 0x1D, true},  {'A', 0x1E, false},         {'S', 0x1F, false},
    {'D', 0x20, false},         {'F', 0x21, false},         {'G', 0x22, false},
    {'H', 0x23, false},         {'J', 0x24, false},         {'K', 0x25, false},
    {'L', 0x26, false},         {VK_OEM_1, 0x27, false},    {VK_OEM_7, 0x28, false},
    {VK_OEM_3, 0x29, false},    {VK_SHIFT, 0x2A, false},    {VK_LSHIFT, 0x2A, false},
    {VK_OEM_5, 0x2B, false},    {'Z', 0x2C, false},         {'X', 0x2D, false},
    {'C', 0x2E, false},         {'V', 0x2F, false},         {'B', 0x30, false},
    {'N', 0x31, false},         {'M', 0x32, false},         {VK_OEM_COMMA, 0x33, false},
    {VK_OEM_PERIOD, 0x34, false}, {VK_OEM_2, 0x35, false},  {VK_RSHIFT, 0x36, false},
    {VK_MULTIPLY, 0x37, false}, {VK_MENU, 0x38, false},     {VK_LMENU, 0x38, false},
    {VK_RMENU, 0x38, true},     {VK_SPACE, 0x39, false},    {VK_CAPITAL, 0x3A, false},
    {VK_F1, 0x3B, false},       {VK_F2, 0x3C, false},       {VK_F3, 0x3D, false},
    {VK_F4, 0x3E, false},       {VK_F5, 0x3F, false},       {VK_F6, 0x40, false},
    {VK_F7, 0x41, false},       {VK_F8, 0x42, false},       {VK_F9, 0x43, false},
    {VK_F10, 0x44, false},      {VK_NUMLOCK, 0x45, true},   {VK_SCROLL, 0x46, false},
    {VK_NUMPAD7, 0x47, false},  {VK_NUMPAD8, 0x48, false},  {VK_NUMPAD9, 0x49, false},
    {VK_SUBTRACT, 0x4A, false}, {VK_NUMPAD4, 0x4B, false},  {VK_NUMPAD5, 0x4C, false},
    {VK_NUMPAD6, 0x4D, false},  {VK_ADD, 0x4E, false},      {VK_NUMPAD1, 0x4F, false},
    {VK_NUMPAD2, 0x50, false},  {VK_NUMPAD3, 0x51, false},  {VK_NUMPAD0, 0x52, false},
    {VK_DECIMAL, 0x53, false},  {VK_OEM_102, 0x56, false},  {VK_F11, 0x57, false},
    {VK_F12, 0x58, false},      {VK_DIVIDE, 0x35, true},    {VK_HOME, 0x47, true},
    {VK_UP, 0x48, true},        {VK_PRIOR, 0x49, true},     {VK_LEFT, 0x4B, true},
    {VK_RIGHT, 0x4D, true},     {VK_END, 0x4F, true},       {VK_DOWN, 0x50, true},
    {VK_NEXT, 0x51, true},      {VK_INSERT, 0x52, true},    {VK_DELETE, 0x53, true},
    {VK_LWIN, 0x5B, true},      {VK_RWIN, 0x5C, true},      {VK_APPS, 0x5D, true},
    {VK_SNAPSHOT, 0x37, true},
};

// The punctuation keys: unshifted, shifted, and the control character
// under Ctrl (0 for none).
struct PunctuationKey {
  UINT vk;
  char16_t plain;
  char16_t shifted;
  char16_t control;
};

const PunctuationKey kPunctuation[] = {
    {VK_OEM_1, u';', u':', 0},        {VK_OEM_PLUS, u'=', u'+', 0},
    {VK_OEM_COMMA, u',', u'<', 0},    {VK_OEM_MINUS, u'-', u'_', 0},
    {VK_OEM_PERIOD, u'.', u'>', 0},   {VK_OEM_2, u'/', u'?', 0},
    {VK_OEM_3, u'`', u'~', 0},        {VK_OEM_4, u'[', u'{', 0x1B},
    {VK_OEM_5, u'\\', u'|', 0x1C},    {VK_OEM_6, u']', u'}', 0x1D},
    {VK_OEM_7, u'\'', u'"', 0},       {VK_OEM_102, u'\\', u'|', 0x1C},
};

const char16_t kShiftedDigits[] = u")!@#$%^&*(";

const ScanEntry* FindScan(UINT vk) {
  for (const ScanEntry& e : kScanCodes) {
    if (e.vk == vk) return &e;
  }
  return nullptr;
}

bool Down(const BYTE* keyState, int vk) { return (keyState[vk] & 0x80) != 0; }

// The character of vk, or 0.
char16_t Character(UINT vk, const BYTE* keyState) {
  bool shift = Down(keyState, VK_SHIFT);
  bool control = Down(keyState, VK_CONTROL);
  bool alt = Down(keyState, VK_MENU);
  bool caps = (keyState[VK_CAPITAL] & 0x01) != 0;
  if (control && alt) return 0;
  if (vk >= 'A' && vk <= 'Z') {
    if (control) return static_cast<char16_t>(vk - 'A' + 1);
    return static_cast<char16_t>((shift != caps) ? vk : vk - 'A' + 'a');
  }
  if (vk >= '0' && vk <= '9') {
    if (control) return (shift && vk == '6') ? 0x1E : 0;
    return shift ? kShiftedDigits[vk - '0'] : static_cast<char16_t>(vk);
  }
  for (const PunctuationKey& key : kPunctuation) {
    if (key.vk != vk) continue;
    if (control) return (shift && vk == VK_OEM_MINUS) ? 0x1F : key.control;
    return shift ? key.shifted : key.plain;
  }
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
    return control ? 0 : static_cast<char16_t>(u'0' + (vk - VK_NUMPAD0));
  }
  switch (vk) {
    case VK_SPACE: return u' ';
    case VK_RETURN: return control ? 0x0A : 0x0D;
    case VK_TAB: return control ? 0 : 0x09;
    case VK_ESCAPE: return 0x1B;
    case VK_BACK: return control ? 0x7F : 0x08;
    case VK_MULTIPLY: return control ? 0 : u'*';
    case VK_ADD: return control ? 0 : u'+';
    case VK_SUBTRACT: return control ? 0 : u'-';
    case VK_DECIMAL: return control ? 0 : u'.';
    case VK_DIVIDE: return control ? 0 : u'/';
    default: return 0;
  }
}

}  // namespace

WORD UsKeyboardLayout::ScanCode(UINT vk) {
  const ScanEntry* entry = FindScan(vk);
  return entry ? entry->scan : 0;
}

bool UsKeyboardLayout::IsExtended(UINT vk) {
  const ScanEntry* entry = FindScan(vk);
  return entry && entry->extended;
}

int UsKeyboardLayout::Translate(UINT vk, const BYTE* keyState, WCHAR* out) {
  char16_t character;
  if (LOWORD(vk) == VK_PACKET) {
    character = static_cast<char16_t>(HIWORD(vk));
  } else {
    character = Character(vk & 0xFF, keyState);
  }
  if (character == 0) return 0;
  *out = static_cast<WCHAR>(character);
  return 1;
}

bool UsKeyboardLayout::KeyFor(char16_t character, UINT* vk, bool* shift) {
  *shift = false;
  if (character >= u'a' && character <= u'z') {
    *vk = character - u'a' + 'A';
    return true;
  }
  if (character >= u'A' && character <= u'Z') {
    *vk = character;
    *shift = true;
    return true;
  }
  if (character >= u'0' && character <= u'9') {
    *vk = character;
    return true;
  }
  for (int digit = 0; digit < 10; ++digit) {
    if (kShiftedDigits[digit] == character) {
      *vk = '0' + digit;
      *shift = true;
      return true;
    }
  }
  for (const PunctuationKey& key : kPunctuation) {
    if (key.vk == VK_OEM_102) continue;  // the same characters as VK_OEM_5
    if (key.plain == character || key.shifted == character) {
      *vk = key.vk;
      *shift = key.shifted == character;
      return true;
    }
  }
  switch (character) {
    case u' ': *vk = VK_SPACE; return true;
    case u'\r': *vk = VK_RETURN; return true;
    case u'\t': *vk = VK_TAB; return true;
    case 0x08: *vk = VK_BACK; return true;
    case 0x1B: *vk = VK_ESCAPE; return true;
    default: return false;
  }
}

}  // namespace platform
