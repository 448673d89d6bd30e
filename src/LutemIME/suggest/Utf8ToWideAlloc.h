#pragma once

#include <string_view>

#include "Platform.h"

// A new NUL-terminated UTF-16 copy of a UTF-8 string, allocated with new[]
// and owned by the caller (a candidate list frees it with delete[]). Empty
// input gives an empty string; ill-formed bytes become U+FFFD. Null only when
// memory runs out or the input is longer than the platform can convert.
WCHAR* Utf8ToWideAlloc(std::string_view text);
