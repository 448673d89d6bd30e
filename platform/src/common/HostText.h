// Text helpers of the stand-in: host paths and names are UTF-8, Windows
// strings UTF-16.
#pragma once

#include <string>
#include <string_view>

#include "Platform.h"

namespace platform {

std::string Utf8FromWide(std::u16string_view text);
std::u16string WideFromUtf8(std::string_view text);
// Length of a NUL-terminated UTF-16 string; 0 for a null pointer.
size_t WideLength(LPCWSTR text);
// Windows object and registry names compare without regard to case; the
// stand-in folds ASCII letters, which is all our names use.
std::u16string FoldCase(std::u16string_view text);

// A file name standing for an object name: case folded, every byte other
// than a letter, digit, '.', '_' or '-' written as %XX.
std::string FileNameForObject(std::u16string_view name);

}  // namespace platform
