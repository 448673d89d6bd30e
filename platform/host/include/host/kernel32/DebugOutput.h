// What the programs of the desktop sent to the debugger (OutputDebugStringW).
#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace host {

struct DebugOutputEntry {
  DWORD threadId = 0;
  std::u16string text;  // one call's text
};

// Every call since the last ClearDebugOutput, oldest first.
std::vector<DebugOutputEntry> DebugOutput();
// The texts of every call, joined in order.
std::u16string DebugOutputText();
void ClearDebugOutput();

}  // namespace host
