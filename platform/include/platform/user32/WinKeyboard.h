// Keyboard input (winuser.h's share, as documented under "Keyboard Input"):
// the calling thread's key state, the keyboard layout's translation of keys
// into characters, and synthesized input. The stand-in's keyboard is the US
// layout; its state follows the key events the host plays on the thread
// (host/user32/Keyboard.h).
//
// GetKeyState and GetKeyboardState: the high bit while a key is down, the
// low bit toggled at each press. A modifier is kept under its side's code
// (VK_LSHIFT, VK_RCONTROL...) and under the generic one, down while either
// side is. GetKeyboardState's failure switch: "GetKeyboardState".
//
// ToUnicode (US layout): printable keys with Shift and Caps Lock; under Ctrl
// the control characters (Ctrl+A..Z 0x01..0x1A, Ctrl+[ 0x1B, Ctrl+\ 0x1C,
// Ctrl+] 0x1D, Ctrl+Shift+6 0x1E, Ctrl+Shift+- 0x1F, Ctrl+Enter 0x0A,
// Ctrl+Backspace 0x7F, Ctrl+Space 0x20); Enter 0x0D, Tab 0x09, Esc 0x1B,
// Backspace 0x08; the numeric keypad's digits and operators; 0 for function
// keys, arrows, bare modifiers and Ctrl+Alt. The layout has no dead keys, so
// ToUnicode never returns -1 and keeps no state between calls. On Windows a
// call without flag bit 2 (0x4, Windows 10 1607 and later) changes the
// keyboard state, using up a dead key typed before it; the stand-in counts
// such calls per thread (host::ToUnicodeCallsChangingState). VK_PACKET: the virtual-key value carries the injected
// character in its high word (MAKEWPARAM(VK_PACKET, character), the "32-bit
// virtual-key value" VK_PACKET's documentation speaks of, as the key
// messages' wParam holds it); ToUnicode returns that character, and nothing
// for a bare VK_PACKET.
//
// MapVirtualKeyW: MAPVK_VK_TO_VSC gives the key's set-1 scan code (0x2A and
// 0x36 for the left and right Shift, 0x1D and 0x38 for either Ctrl and Alt,
// the right ones being extended keys), MAPVK_VK_TO_VSC_EX the same with
// 0xE0 in the high byte for extended keys; the other map types give 0.
//
// SendInput: keyboard entries are logged and queued; they run through the
// thread's key pipeline once the key callback that is running returns, or
// when the host replays pending input, never inside the call. Mouse and
// hardware entries are logged only. A cbSize other than sizeof(INPUT) fails
// with ERROR_INVALID_PARAMETER. Failure switch: "SendInput" (0 inserted,
// ERROR_ACCESS_DENIED, as when the input is blocked).
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinTypes.h"

#define INPUT_MOUSE 0
#define INPUT_KEYBOARD 1
#define INPUT_HARDWARE 2

#define KEYEVENTF_EXTENDEDKEY 0x0001
#define KEYEVENTF_KEYUP 0x0002
#define KEYEVENTF_UNICODE 0x0004
#define KEYEVENTF_SCANCODE 0x0008

#define MAPVK_VK_TO_VSC 0
#define MAPVK_VSC_TO_VK 1
#define MAPVK_VK_TO_CHAR 2
#define MAPVK_VSC_TO_VK_EX 3
#define MAPVK_VK_TO_VSC_EX 4

struct MOUSEINPUT {
  LONG dx;
  LONG dy;
  DWORD mouseData;
  DWORD dwFlags;
  DWORD time;
  ULONG_PTR dwExtraInfo;
};

struct KEYBDINPUT {
  WORD wVk;
  WORD wScan;
  DWORD dwFlags;
  DWORD time;
  ULONG_PTR dwExtraInfo;
};

struct HARDWAREINPUT {
  DWORD uMsg;
  WORD wParamL;
  WORD wParamH;
};

struct INPUT {
  DWORD type;
  union {
    MOUSEINPUT mi;
    KEYBDINPUT ki;
    HARDWAREINPUT hi;
  };
};
typedef INPUT* PINPUT;
typedef INPUT* LPINPUT;

SHORT GetKeyState(int nVirtKey);
BOOL GetKeyboardState(BYTE* lpKeyState);
int ToUnicode(UINT wVirtKey, UINT wScanCode, const BYTE* lpKeyState, LPWSTR pwszBuff,
              int cchBuff, UINT wFlags);
UINT MapVirtualKeyW(UINT uCode, UINT uMapType);
UINT SendInput(UINT cInputs, LPINPUT pInputs, int cbSize);
