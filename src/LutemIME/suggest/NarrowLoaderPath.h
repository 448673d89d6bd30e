#pragma once

#include <string>

// The narrow form of a data file's path as the loaders open it: the C
// runtime's conversion into a MAX_PATH buffer in truncating mode. False when
// the conversion reports anything but success (a unit the locale cannot
// narrow, a path that does not fit in 259 bytes and its NUL) or yields
// nothing; a loader then fails without opening anything.
bool NarrowLoaderPath(const std::u16string& path, std::string* narrow);
