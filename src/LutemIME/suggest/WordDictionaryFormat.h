#pragma once

#include <cstddef>
#include <cstdint>

// Layout of "lutem_bn-BD.bin":
//   [0, 14)        kWordDictHeader: "LutemWordDict" and a NUL
//   [14, 14 + n)   the body of a marisa-trie, exactly as the library writes it
//                  after its own 16-byte header
//   [14 + n, +16)  integrity trailer, optional: "LutemCRC", n (uint32
//                  little-endian), zlib CRC-32 of the body (uint32 little-endian)
// A reader that stops at the body's end (the library's own reader does) sees
// a plain dictionary; ours checks the trailer, when the file has one, before
// the library sees a byte, because the library trusts every offset in the
// body and a damaged one crashes or hangs the host application inside a
// search. Our builder always writes it; a file without it loads unchecked.
namespace worddict {

constexpr size_t kHeaderSize = 14;
constexpr char kHeader[kHeaderSize] = {'L', 'u', 't', 'e', 'm', 'W', 'o',
                                       'r', 'd', 'D', 'i', 'c', 't', '\0'};

// What the library puts in front of the body in its own files; the reader
// gives it back in memory, since the library has no reader for a bare body.
constexpr size_t kMarisaHeaderSize = 16;
constexpr char kMarisaHeader[kMarisaHeaderSize] = {'W', 'e', ' ', 'l', 'o', 'v', 'e', ' ',
                                                   'M', 'a', 'r', 'i', 's', 'a', '.', '\0'};

constexpr size_t kTrailerSize = 16;
constexpr size_t kTrailerMagicSize = 8;
constexpr char kTrailerMagic[kTrailerMagicSize] = {'L', 'u', 't', 'e', 'm', 'C', 'R', 'C'};

// Dictionary files are a few megabytes; anything past this is not one, and
// reading it whole would only exhaust the host's memory.
constexpr size_t kMaxBodySize = size_t{256} << 20;

}  // namespace worddict
