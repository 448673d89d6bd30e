// What clients wrote into named pipes anywhere in the process: each
// WriteFile on a handle that CreateFileW opened on a pipe, with the pipe's
// name and the writing thread, so that tests and tools can see the requests
// a program sent to a server without standing in for the server. Writes by
// servers (on instances of CreateNamedPipeW) are not recorded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Platform.h"

namespace host {

struct PipeClientWrite {
  std::u16string pipe;  // as given to CreateFileW ("\\.\pipe\Name")
  DWORD threadId = 0;   // the thread that wrote
  std::vector<uint8_t> bytes;

  // The bytes as UTF-16LE text up to the first NUL (a request as the
  // settings pipe carries it).
  std::u16string Text() const;
};

// A position in the record; the writes made after it are read with
// PipeClientWritesSince. Only the last 4096 writes are kept.
uint64_t PipeTrafficMark();
std::vector<PipeClientWrite> PipeClientWritesSince(uint64_t mark);

}  // namespace host
