// Every ShellExecuteW call of the desktop's programs, as made.
#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace host {

struct ShellExecution {
  HWND owner = nullptr;
  std::u16string operation;
  std::u16string file;
  std::u16string parameters;
  std::u16string directory;
  INT showCommand = 0;
  INT_PTR result = 0;  // above 32: success
};

// Oldest first, since the last ClearShellExecutions.
std::vector<ShellExecution> ShellExecutions();
void ClearShellExecutions();

}  // namespace host
