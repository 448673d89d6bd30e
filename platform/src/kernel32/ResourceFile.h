#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace platform {

// A resource type or name as a compiled resource file stores it: a number
// or a text.
struct ResourceId {
  bool isNumber = true;
  WORD number = 0;
  std::u16string text;  // case-folded

  // The form the resource calls take: MAKEINTRESOURCEW(n), "#n" or a name.
  static ResourceId FromArgument(LPCWSTR id);
  bool operator==(const ResourceId& other) const;
};

struct ResourceEntry {
  ResourceId type;
  ResourceId name;
  WORD language = 0;
  const BYTE* data = nullptr;
  DWORD size = 0;
};

// Reads the entries of a .res file (the format windres -O res and rc.exe
// write: a sequence of RESOURCEHEADER records, each followed by its data and
// aligned to four bytes; the first, empty record marks the format). The
// entries point into the bytes, which the caller keeps. A record that runs
// past the end stops the reading; what came before it is kept.
std::vector<ResourceEntry> ReadResourceFile(const BYTE* bytes, size_t size);

}  // namespace platform
