#pragma once

#include <string>
#include <string_view>

// Table values are written as code points (U"\u0995...") so that no glyph is
// ever retyped or normalised; this turns them into the UTF-8 the tables hold.
std::string Utf8FromCodePoints(std::u32string_view codePoints);
