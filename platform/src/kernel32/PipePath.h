#pragma once

#include <string>

#include "Platform.h"

namespace platform {

// Turns "\\.\pipe\NAME" into the path of the Unix socket that stands for it
// (<root>/.pipes/<name folded and escaped>). Returns a Win32 error code:
// ERROR_SUCCESS, ERROR_INVALID_NAME for another form or an empty name,
// ERROR_FILENAME_EXCED_RANGE when the socket path is too long.
DWORD PipeSocketPath(LPCWSTR name, std::string& path);
// True when the name has the pipe prefix (the caller then treats it as a pipe).
bool IsPipeName(LPCWSTR name);

}  // namespace platform
