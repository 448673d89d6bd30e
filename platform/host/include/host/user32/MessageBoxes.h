// The message boxes the desktop's programs showed (MessageBoxW), as shown.
#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace host {

struct MessageBoxRecord {
  HWND owner = nullptr;
  std::u16string text;
  std::u16string caption;
  UINT type = 0;  // the MB_ flags
  DWORD threadId = 0;
  int result = 0;  // the button the user chose
};

// Oldest first, since the last ClearMessageBoxes.
std::vector<MessageBoxRecord> MessageBoxes();
void ClearMessageBoxes();

}  // namespace host
