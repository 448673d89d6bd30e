#pragma once

#include <string>

#include "Platform.h"

namespace platform {

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case, the form the
// registry keeps class and profile GUIDs in.
std::u16string GuidText(REFGUID guid);
// Reads digits hexadecimal digits (either case) of text from at; false when
// one is not a digit or the text is too short.
bool ReadHexDigits(std::u16string_view text, size_t at, int digits, uint64_t& value);
// The reverse of GuidText, in either case; false for anything else.
bool GuidFromText(std::u16string_view text, GUID& guid);

}  // namespace platform
