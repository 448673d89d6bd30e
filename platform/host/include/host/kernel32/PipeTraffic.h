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

// One CreateFileW on a pipe: what was asked for and how it ended.
struct PipeClientOpen {
  std::u16string pipe;
  DWORD threadId = 0;
  DWORD access = 0;
  DWORD flags = 0;  // flagsAndAttributes, the quality-of-service flags among them
  DWORD error = 0;  // ERROR_SUCCESS when it opened
};

// The opens made after a mark of PipeOpenMark (the last 4096 are kept).
uint64_t PipeOpenMark();
std::vector<PipeClientOpen> PipeClientOpensSince(uint64_t mark);

// A position in the record; the writes made after it are read with
// PipeClientWritesSince. Only the last 4096 writes are kept.
uint64_t PipeTrafficMark();
std::vector<PipeClientWrite> PipeClientWritesSince(uint64_t mark);

}  // namespace host
