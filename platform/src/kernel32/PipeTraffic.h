#pragma once

#include <cstddef>
#include <string>

#include "Platform.h"

namespace platform {

// Records one write of a pipe client (host/kernel32/PipeTraffic.h).
void RecordPipeClientWrite(const std::u16string& pipe, const void* bytes, size_t size);
// Records one CreateFileW on a pipe, with its result.
void RecordPipeClientOpen(const std::u16string& pipe, DWORD access, DWORD flags, DWORD error);

}  // namespace platform
