// GetKeyState, GetKeyboardState, ToUnicode, MapVirtualKeyW and SendInput;
// WinKeyboard.h says how each behaves.
#include "Platform.h"
#include "common/FailureSwitch.h"
#include "user32/KeyPipeline.h"
#include "user32/KeyboardState.h"
#include "user32/UsKeyboardLayout.h"

SHORT GetKeyState(int nVirtKey) { return platform::KeyboardState::ForThread().Get(nVirtKey); }

BOOL GetKeyboardState(BYTE* lpKeyState) {
  if (lpKeyState == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (platform::ShouldFail("GetKeyboardState")) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  const BYTE* keys = platform::KeyboardState::ForThread().bytes();
  for (int i = 0; i < 256; ++i) lpKeyState[i] = keys[i];
  return TRUE;
}

int ToUnicode(UINT wVirtKey, UINT wScanCode, const BYTE* lpKeyState, LPWSTR pwszBuff,
              int cchBuff, UINT wFlags) {
  if (lpKeyState == nullptr || pwszBuff == nullptr || cchBuff < 1) return 0;
  if ((wFlags & 0x4) == 0) ++platform::KeyboardState::ForThread().stateChangingTranslations;
  return platform::UsKeyboardLayout::Translate(wVirtKey, lpKeyState, pwszBuff);
}

UINT MapVirtualKeyW(UINT uCode, UINT uMapType) {
  WORD scan = platform::UsKeyboardLayout::ScanCode(uCode);
  switch (uMapType) {
    case MAPVK_VK_TO_VSC: return scan;
    case MAPVK_VK_TO_VSC_EX:
      return (scan != 0 && platform::UsKeyboardLayout::IsExtended(uCode)) ? (0xE000 | scan) : scan;
    default: return 0;
  }
}

UINT SendInput(UINT cInputs, LPINPUT pInputs, int cbSize) {
  if (cbSize != static_cast<int>(sizeof(INPUT)) || (pInputs == nullptr && cInputs > 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (platform::ShouldFail("SendInput")) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
  }
  platform::KeyPipeline& pipeline = platform::KeyPipeline::ForThread();
  for (UINT i = 0; i < cInputs; ++i) pipeline.Send(pInputs[i]);
  return cInputs;
}
