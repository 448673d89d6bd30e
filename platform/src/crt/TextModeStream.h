// The runtime's text mode for reading: a stream over an open host file that
// reads CR LF as LF and stops at the first byte 0x1A (Ctrl+Z), as a file
// opened for reading without "b" does on Windows. A lone CR stays.
#pragma once

#include <cstdio>

namespace crt {

// Takes over file (closed with the returned stream); null when the stream
// cannot be made, file then closed too.
std::FILE* OpenTextModeReader(std::FILE* file);

}  // namespace crt
