// The calling thread's keyboard as the host drives it: key events as a US
// keyboard sends them, run through the thread's key road (TSF first, then
// the application: see WinKeyboard.h and the key pipeline), and what the
// application received and what was sent with SendInput.
#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace host {

// One key. vk may name a side (VK_LSHIFT, VK_RCONTROL, VK_RMENU...): the
// event carries the generic code with that side's scan code and extended
// bit, as a keyboard sends it; a generic modifier is its left key.
void KeyDown(UINT vk);
void KeyUp(UINT vk);
void PressKey(UINT vk);  // down, then up

// A chord such as "Ctrl+Space", "RCtrl+Shift+C", "Alt+F4", "Shift", "F1",
// "Numpad3", "a", "@": its modifiers go down in order, the last key is
// pressed, and the modifiers come up in reverse order. A character that needs
// Shift on the US layout ("@") adds it. Names: Ctrl/LCtrl/RCtrl,
// Shift/LShift/RShift, Alt/LAlt/RAlt, Space, Enter, Tab, Backspace, Escape
// (Esc), Left, Right, Up, Down, PageUp, PageDown, Home, End, Insert, Delete,
// CapsLock, F1..F24, Numpad0..Numpad9, and any character of the US layout;
// case does not matter in names. False, and nothing pressed, for a name it
// does not know.
bool PressChord(const std::string& chord);
// Whether PressChord knows every name of chord (nothing is pressed).
bool IsKnownChord(const std::string& chord);

// Each character as the US layout types it, Shift held where needed; a
// character no key types arrives as a VK_PACKET key.
void TypeText(const std::u16string& text);

// A VK_PACKET key (down and up) carrying character, as SendInput with
// KEYEVENTF_UNICODE produces it.
void PressPacket(char16_t character);

enum class KeyDelivery {
  // The application offers each key to ITfKeystrokeMgr::TestKeyDown and
  // calls KeyDown when the test ate it (the default).
  TestThenKeyDown,
  // The application calls KeyDown without the test.
  KeyDownOnly,
};
void SetKeyDelivery(KeyDelivery delivery);

struct ApplicationKeyMessage {
  UINT message;  // WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR
  WPARAM wParam;
  LPARAM lParam;
};

// The key and character messages the application handled, oldest first.
std::vector<ApplicationKeyMessage> ApplicationKeyMessages();
// The characters of its WM_CHAR messages.
std::u16string ApplicationCharacters();

// Every INPUT given to SendInput on the thread, in order.
std::vector<INPUT> SentInput();
// Runs the keyboard input SendInput queued through the key road now (it runs
// by itself when the outermost key event the host plays has been handled).
void ReplayPendingInput();

// ToUnicode calls on the thread since the last ResetKeyboard that, on
// Windows, would have changed the keyboard state (a dead key typed for the
// application would be used up by them).
int ToUnicodeCallsChangingState();

// Every key up and nothing toggled, the logs empty and nothing pending, the
// delivery back to TestThenKeyDown.
void ResetKeyboard();

}  // namespace host
