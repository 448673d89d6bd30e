#pragma once

#include <string>
#include <string_view>

#include "conversion/CodePoints.h"

// Expected texts in tests are written as code points, like the tables.
inline std::string U8(std::u32string_view codePoints) { return Utf8FromCodePoints(codePoints); }
