#pragma once

#include <string>
#include <string_view>

// Boost's wide regexes run on wchar_t, which is 32 bits here and 16 bits on
// Windows. Copying UTF-16 unit by unit, never decoding surrogate pairs, makes
// a pattern see the same units on both, so a result never depends on the
// platform.
std::wstring WidenUnits(std::u16string_view text);
std::u16string NarrowUnits(std::wstring_view text);
